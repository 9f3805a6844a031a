#pragma once

namespace vesmarot::ui {

// The three reports of a search that cannot list options.
enum class Message {
    BadArea,   // the bad-area message, objectName "frmLoi"
    BadNmax,   // the bad-Nmax message, objectName "frmLoiNmax"
    NoOption,  // the no-option message, objectName "frmKhongthayPA"
};

// The main-window field a message sends the user back to.
enum class ReturnField { Area, Nmax };

}  // namespace vesmarot::ui
