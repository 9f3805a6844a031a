/* Reads the running program through UI Automation from another process, as a Windows screen
 * reader does, and prints what it finds in UTF-8:
 *   uia_reader tree [TITLE]     the tree under the window titled TITLE (default "Vesmarot"):
 *                               one line a node, "<indent><type> <name> {<full description>}"
 *   uia_reader keys STEP...     presses each step's keys in the program's window and prints,
 *                               after "step <STEP>", every focus change a reader is told of
 *                               ("focus <type> <name> {<description>}") and every window that
 *                               opens, with its tree. A step is key names joined by "+" for a
 *                               chord and "," for a sequence ("ctrl+a,a,b,c"), "type:TEXT", or
 *                               "tree" for the window's tree at that point.
 * The flat client API is loaded at run time, as the MinGW headers do not declare it. */
#define COBJMACROS
// clang-format off
#include <windows.h>  // before every other Windows header
#include <oleauto.h>
// clang-format on
#include <stdio.h>
#include <string.h>
#include <wchar.h>

typedef void* HUIANODE;
typedef void* HUIAEVENT;
typedef int PROPERTYID;
typedef int PATTERNID;
typedef int EVENTID;

enum { TreeScope_Element = 1, TreeScope_Subtree = 7 };
enum { NavigateDirection_NextSibling = 1, NavigateDirection_FirstChild = 3 };
enum { ConditionType_True = 0 };
enum { AutomationElementMode_Full = 1 };

struct UiaCondition {
    int ConditionType;
};
struct UiaCacheRequest {
    struct UiaCondition* pViewCondition;
    int Scope;
    PROPERTYID* pProperties;
    int cProperties;
    PATTERNID* pPatterns;
    int cPatterns;
    int automationElementMode;
};
struct UiaEventArgs {
    int Type;
    int EventId;
};
typedef void WINAPI UiaEventCallback(struct UiaEventArgs*, SAFEARRAY*, BSTR);

#define FOCUS_CHANGED 20005
#define WINDOW_OPENED 20016
#define CONTROL_TYPE 30003
#define NAME 30005
#define FULL_DESCRIPTION 30159

static HRESULT(WINAPI* NodeFromHandle)(HWND, HUIANODE*);
static HRESULT(WINAPI* Navigate)(HUIANODE, int, struct UiaCondition*, struct UiaCacheRequest*,
                                 SAFEARRAY**, BSTR*);
static HRESULT(WINAPI* GetPropertyValue)(HUIANODE, PROPERTYID, VARIANT*);
static BOOL(WINAPI* NodeRelease)(HUIANODE);
static HRESULT(WINAPI* NodeFromVariant)(VARIANT*, HUIANODE*);
static HRESULT(WINAPI* AddEvent)(HUIANODE, EVENTID, UiaEventCallback*, int, PROPERTYID*, int,
                                 struct UiaCacheRequest*, HUIAEVENT*);
static HRESULT(WINAPI* RemoveEvent)(HUIAEVENT);

static CRITICAL_SECTION output;
static struct UiaCondition everything = {ConditionType_True};
static PROPERTYID shown[] = {CONTROL_TYPE, NAME, FULL_DESCRIPTION};

static void PrintWide(const wchar_t* text) {
    char utf8[4096];
    int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, NULL, NULL);
    if (size > 1) fwrite(utf8, 1, (size_t)size - 1, stdout);
}

static const char* TypeName(int type) {
    switch (type) {
        case 50000:
            return "Button";
        case 50004:
            return "Edit";
        case 50006:
            return "Image";
        case 50007:
            return "ListItem";
        case 50008:
            return "List";
        case 50020:
            return "Text";
        case 50032:
            return "Window";
        case 50033:
            return "Pane";
        case 50037:
            return "TitleBar";
        default:
            return NULL;
    }
}

/* One node as "<type> <name> {<description>}", from its three properties. */
static void PrintNode(VARIANT* type, VARIANT* name, VARIANT* description) {
    const char* known = V_VT(type) == VT_I4 ? TypeName(V_I4(type)) : NULL;
    if (known)
        printf("%s", known);
    else
        printf("%ld", V_VT(type) == VT_I4 ? (long)V_I4(type) : -1L);
    printf(" ");
    if (V_VT(name) == VT_BSTR) PrintWide(V_BSTR(name));
    if (V_VT(description) == VT_BSTR && SysStringLen(V_BSTR(description)) > 0) {
        printf(" {");
        PrintWide(V_BSTR(description));
        printf("}");
    }
    printf("\n");
}

static void PrintLiveNode(HUIANODE node) {
    VARIANT values[3];
    for (int i = 0; i < 3; ++i) {
        VariantInit(&values[i]);
        GetPropertyValue(node, shown[i], &values[i]);
    }
    PrintNode(&values[0], &values[1], &values[2]);
    for (int i = 0; i < 3; ++i) VariantClear(&values[i]);
}

/* The node a navigation step reaches, or NULL. */
static HUIANODE Step(HUIANODE from, int direction) {
    struct UiaCacheRequest request = {&everything, TreeScope_Element,         NULL, 0, NULL,
                                      0,           AutomationElementMode_Full};
    SAFEARRAY* data = NULL;
    BSTR structure = NULL;
    HUIANODE to = NULL;
    if (SUCCEEDED(Navigate(from, direction, &everything, &request, &data, &structure)) && data) {
        LONG at[2] = {0, 0};
        VARIANT node;
        VariantInit(&node);
        if (SUCCEEDED(SafeArrayGetElement(data, at, &node))) NodeFromVariant(&node, &to);
        VariantClear(&node);
        SafeArrayDestroy(data);
    }
    SysFreeString(structure);
    return to;
}

static void PrintTree(HUIANODE node, int depth) {
    for (int i = 0; i < depth; ++i) printf("  ");
    PrintLiveNode(node);
    for (HUIANODE child = Step(node, NavigateDirection_FirstChild); child;) {
        PrintTree(child, depth + 1);
        HUIANODE next = Step(child, NavigateDirection_NextSibling);
        NodeRelease(child);
        child = next;
    }
}

static void PrintWindowTree(HWND window) {
    HUIANODE node = NULL;
    if (FAILED(NodeFromHandle(window, &node)) || !node) {
        printf("no UI Automation node for the window\n");
        return;
    }
    PrintTree(node, 1);
    NodeRelease(node);
}

/* The event's own node is the first column of the data; its cached properties follow. */
static void WINAPI OnEvent(struct UiaEventArgs* args, SAFEARRAY* data, BSTR structure) {
    (void)structure;
    EnterCriticalSection(&output);
    printf(args->EventId == FOCUS_CHANGED ? "  focus " : "  event %d ", args->EventId);
    VARIANT values[3];
    for (int i = 0; i < 3; ++i) {
        LONG at[2] = {0, i + 1};
        VariantInit(&values[i]);
        if (data) SafeArrayGetElement(data, at, &values[i]);
    }
    PrintNode(&values[0], &values[1], &values[2]);
    for (int i = 0; i < 3; ++i) VariantClear(&values[i]);
    fflush(stdout);
    LeaveCriticalSection(&output);
}

static HWND FindTitled(const wchar_t* title, DWORD milliseconds) {
    for (DWORD waited = 0;; waited += 100) {
        HWND window = FindWindowW(NULL, title);
        if (window && IsWindowVisible(window)) return window;
        if (waited >= milliseconds) return NULL;
        Sleep(100);
    }
}

/* Pumps messages for a while, so that events are delivered. */
static void Pump(DWORD milliseconds) {
    DWORD until = GetTickCount() + milliseconds;
    for (DWORD now = GetTickCount(); (LONG)(until - now) > 0; now = GetTickCount()) {
        MsgWaitForMultipleObjects(0, NULL, FALSE, until - now, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, NULL, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

static WORD KeyCode(const char* name) {
    static const struct {
        const char* name;
        WORD code;
    } keys[] = {{"Tab", VK_TAB},       {"Return", VK_RETURN}, {"Escape", VK_ESCAPE},
                {"Up", VK_UP},         {"Down", VK_DOWN},     {"Left", VK_LEFT},
                {"Right", VK_RIGHT},   {"shift", VK_SHIFT},   {"ctrl", VK_CONTROL},
                {"BackSpace", VK_BACK}};
    for (size_t i = 0; i < sizeof keys / sizeof keys[0]; ++i)
        if (_stricmp(keys[i].name, name) == 0) return keys[i].code;
    if (strlen(name) == 1 &&
        ((name[0] >= '0' && name[0] <= '9') || (name[0] >= 'a' && name[0] <= 'z')))
        return (WORD)(name[0] >= 'a' ? name[0] - 'a' + 'A' : name[0]);
    fprintf(stderr, "unknown key %s\n", name);
    exit(2);
}

static void Press(WORD code, BOOL up) {
    INPUT input = {0};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = code;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

/* A chord ("ctrl+a"): every key down in order, then up in reverse. */
static void PressChord(char* chord) {
    WORD codes[4];
    int count = 0;
    for (char* key = strtok(chord, "+"); key && count < 4; key = strtok(NULL, "+"))
        codes[count++] = KeyCode(key);
    for (int i = 0; i < count; ++i) Press(codes[i], FALSE);
    for (int i = count - 1; i >= 0; --i) Press(codes[i], TRUE);
    Pump(150);
}

static void PressStep(const char* step) {
    char keys[256];
    snprintf(keys, sizeof keys, "%s", step);
    if (strncmp(keys, "type:", 5) == 0) {
        for (const char* c = keys + 5; *c; ++c) {
            char one[2] = {*c, 0};
            PressChord(one);
        }
        return;
    }
    char* rest = keys;
    for (char* comma = strchr(rest, ','); rest; comma = rest ? strchr(rest, ',') : NULL) {
        if (comma) *comma = 0;
        PressChord(rest);
        rest = comma ? comma + 1 : NULL;
    }
}

static HWND known[32];
static int knownCount;

/* Prints every visible top-level window of the program that was not there before, with its tree:
 * what a reader reads of a dialog as it opens. Quietly, it only takes note of them. */
static void ReportNewWindows(DWORD process, BOOL quietly) {
    for (HWND window = GetTopWindow(NULL); window; window = GetWindow(window, GW_HWNDNEXT)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != process || !IsWindowVisible(window)) continue;
        int seen = 0;
        for (int i = 0; i < knownCount; ++i) seen |= known[i] == window;
        if (seen || knownCount == 32) continue;
        known[knownCount++] = window;
        if (quietly) continue;
        EnterCriticalSection(&output);
        printf("  opened\n");
        PrintWindowTree(window);
        fflush(stdout);
        LeaveCriticalSection(&output);
    }
    /* Windows that closed are forgotten, so that a dialog opened again is told again. */
    for (int i = 0; i < knownCount;)
        if (!IsWindow(known[i]) || !IsWindowVisible(known[i]))
            known[i] = known[--knownCount];
        else
            ++i;
}

static int Load(void) {
    HMODULE uia = LoadLibraryW(L"uiautomationcore.dll");
    if (!uia) return 0;
#define LOAD(variable, name)                        \
    do {                                            \
        FARPROC found = GetProcAddress(uia, name);  \
        memcpy(&variable, &found, sizeof variable); \
    } while (0)
    LOAD(NodeFromHandle, "UiaNodeFromHandle");
    LOAD(Navigate, "UiaNavigate");
    LOAD(GetPropertyValue, "UiaGetPropertyValue");
    LOAD(NodeRelease, "UiaNodeRelease");
    LOAD(NodeFromVariant, "UiaHUiaNodeFromVariant");
    LOAD(AddEvent, "UiaAddEvent");
    LOAD(RemoveEvent, "UiaRemoveEvent");
#undef LOAD
    return NodeFromHandle && Navigate && GetPropertyValue && NodeRelease && NodeFromVariant &&
           AddEvent && RemoveEvent;
}

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: uia_reader tree [TITLE] | keys STEP...\n");
        return 2;
    }
    InitializeCriticalSection(&output);
    CoInitializeEx(NULL, COINIT_MULTITHREADED);
    if (!Load()) {
        printf("uiautomationcore.dll lacks the flat client API\n");
        return 1;
    }
    wchar_t title[256] = L"Vesmarot";
    if (strcmp(argv[1], "tree") == 0 && argc > 2)
        MultiByteToWideChar(CP_UTF8, 0, argv[2], -1, title, 256);
    HWND window = FindTitled(title, 30000);
    if (!window) {
        printf("no window titled %ls\n", title);
        return 1;
    }
    if (strcmp(argv[1], "tree") == 0) {
        PrintWindowTree(window);
        return 0;
    }

    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    ReportNewWindows(process, TRUE);

    HUIANODE node = NULL;
    if (FAILED(NodeFromHandle(window, &node)) || !node) {
        printf("no UI Automation node for the window\n");
        return 1;
    }
    struct UiaCacheRequest request = {&everything, TreeScope_Element,         shown, 3, NULL,
                                      0,           AutomationElementMode_Full};
    HUIAEVENT focus = NULL, opened = NULL;
    HRESULT focusResult =
        AddEvent(node, FOCUS_CHANGED, OnEvent, TreeScope_Subtree, NULL, 0, &request, &focus);
    HRESULT openedResult =
        AddEvent(node, WINDOW_OPENED, OnEvent, TreeScope_Subtree, NULL, 0, &request, &opened);
    printf("listening: focus 0x%08lx, window opened 0x%08lx\n", (unsigned long)focusResult,
           (unsigned long)openedResult);
    SetForegroundWindow(window);
    Pump(1000);
    for (int i = 2; i < argc; ++i) {
        EnterCriticalSection(&output);
        printf("step %s\n", argv[i]);
        fflush(stdout);
        LeaveCriticalSection(&output);
        if (strcmp(argv[i], "tree") == 0) {
            /* What a reader finds in the window at this point, as it walks it. */
            EnterCriticalSection(&output);
            PrintWindowTree(window);
            LeaveCriticalSection(&output);
            continue;
        }
        PressStep(argv[i]);
        Pump(1200);
        ReportNewWindows(process, FALSE);
        Pump(300);
    }
    if (focus) RemoveEvent(focus);
    if (opened) RemoveEvent(opened);
    NodeRelease(node);
    return 0;
}
