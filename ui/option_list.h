#pragma once

#include <QListWidget>
#include <string>
#include <vector>

namespace vesmarot::ui {

// The list of options. Items keep the entry text ("2f16+1f18") that the area is read back from,
// while the eye, a screen reader and the clipboard get it with the diameter sign ("2φ16+1φ18");
// each item's tooltip tells the area it provides and its excess over the area asked for.
class OptionList : public QListWidget {
    Q_OBJECT
  public:
    explicit OptionList(QWidget* parent = nullptr);

    // Replaces the items by `entries`, found for the unrounded `requiredArea`.
    void showOptions(const std::vector<std::string>& entries, double requiredArea);

    // Moves the selection as a click would, for Up, Down, PageUp and PageDown pressed elsewhere.
    // Returns false for any other key. Stops at either end; with no selection it takes the first.
    bool moveSelection(int key);

    // Puts the selected option on the clipboard as shown; nothing when none is selected.
    void copySelected() const;

  protected:
    // Leaves telling a screen reader of the new current option to the window's guide.
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    int rowsPerPage() const;
};

}  // namespace vesmarot::ui
