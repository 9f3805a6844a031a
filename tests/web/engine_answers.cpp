// The native engine answering as the WebAssembly module does, through the same binding: reads one
// question a line ("search", then Nmax, area, decimal and group separators, tab-separated, or
// "texts") and writes each answer followed by a NUL byte, so that a test can set the two side by
// side, byte for byte.
#include <cstddef>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

extern "C" {
std::size_t vesmarot_search(const char* nmax, const char* area, const char* decimalSeparator,
                            const char* groupSeparator);
std::size_t vesmarot_texts();
const char* vesmarot_answer();
}

namespace {

std::vector<std::string> Split(const std::string& line) {
    std::vector<std::string> pieces(1);
    for (char c : line) {
        if (c == '\t') {
            pieces.emplace_back();
        } else {
            pieces.back().push_back(c);
        }
    }
    return pieces;
}

}  // namespace

int main() {
    std::string line;
    while (std::getline(std::cin, line)) {
        const std::vector<std::string> question = Split(line);
        std::size_t size = 0;
        if (question.size() == 5 && question[0] == "search") {
            size = vesmarot_search(question[1].c_str(), question[2].c_str(), question[3].c_str(),
                                   question[4].c_str());
        } else if (question.size() == 1 && question[0] == "texts") {
            size = vesmarot_texts();
        } else {
            std::fprintf(stderr, "engine_answers: not a question: %s\n", line.c_str());
            return 2;
        }
        std::fwrite(vesmarot_answer(), 1, size, stdout);
        std::fputc('\0', stdout);
    }
    return 0;
}
