// A dialog's caption and its children's texts, for the language translation.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "model/language.h"

namespace tallowick {

class DialogText final : public WindowText {
  public:
    // Borrows `dialog`; its direct children are taken once, in window order.
    explicit DialogText(HWND dialog);

    std::string Caption() const override;
    void SetCaption(const std::string& text) override;
    int ChildCount() const override;
    int ChildId(int index) const override;
    std::string ChildText(int index) const override;
    void SetChildText(int index, const std::string& text) override;

  private:
    HWND dialog_;
    std::vector<HWND> children_;
};

// The whole text of a window.
std::string WindowTextOf(HWND window);

}  // namespace tallowick
