#pragma once

namespace vesmarot::ui {

// The three reports of a search that cannot list options.
enum class Message {
    BadArea,   // frmLoi
    BadNmax,   // frmLoiNmax
    NoOption,  // frmKhongthayPA
};

// The main-window field a message sends the user back to.
enum class ReturnField { Area, Nmax };

}  // namespace vesmarot::ui
