// The dialog resources against the page layouts: the in-memory pages are built from the
// tables and the real dialogs from page_dialogs.rc, so what the handlers are tested against
// natively is what the program shows only while both say the same.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <iterator>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/page_layouts.h"

namespace tallowick {
namespace {

struct Rect {
    int x, y, w, h;
    bool operator==(const Rect&) const = default;
};

void PrintTo(const Rect& r, std::ostream* os) {
    *os << r.x << "," << r.y << " " << r.w << "x" << r.h;
}

// One control of a DLGTEMPLATEEX. A predefined class given by ordinal reads as its name;
// class names are upper-cased, as the system compares them without case.
struct TemplateItem {
    int id;
    DWORD style;
    Rect rect;
    std::string className;
    std::string text;
};

struct DialogTemplate {
    DWORD style;
    Rect rect;
    std::string caption;
    std::vector<TemplateItem> items;
};

// Reads a DLGTEMPLATEEX resource, refusing to read past its end.
class TemplateReader {
  public:
    TemplateReader(const BYTE* data, std::size_t size) : data_(data), size_(size) {}

    DialogTemplate Read() {
        DialogTemplate dialog{};
        if (Word() != 1 || Word() != 0xFFFF)
            throw std::runtime_error("not a DLGTEMPLATEEX");
        Dword();  // help id
        Dword();  // extended style
        dialog.style = Dword();
        const WORD count = Word();
        dialog.rect = ReadRect();
        NameOrOrdinal();  // menu
        NameOrOrdinal();  // window class
        dialog.caption = NameOrOrdinal();
        if (dialog.style & (DS_SETFONT | DS_SHELLFONT)) {
            Word();   // points
            Word();   // weight
            Take(2);  // italic, character set
            NameOrOrdinal();
        }
        for (WORD i = 0; i < count; ++i) {
            pos_ = (pos_ + 3) & ~std::size_t{3};
            TemplateItem item{};
            Dword();  // help id
            Dword();  // extended style
            item.style = Dword();
            item.rect = ReadRect();
            item.id = static_cast<int>(Dword());
            item.className = ClassName(NameOrOrdinal());
            item.text = NameOrOrdinal();
            Take(Word());  // creation data
            dialog.items.push_back(item);
        }
        return dialog;
    }

  private:
    const BYTE* Take(std::size_t n) {
        if (n > size_ - pos_)
            throw std::runtime_error("the template ends early");
        const BYTE* at = data_ + pos_;
        pos_ += n;
        return at;
    }
    WORD Word() {
        WORD w;
        std::memcpy(&w, Take(sizeof w), sizeof w);
        return w;
    }
    DWORD Dword() {
        const WORD low = Word();
        return MAKELONG(low, Word());
    }
    Rect ReadRect() {
        Rect r{};
        for (int* v : {&r.x, &r.y, &r.w, &r.h})
            *v = static_cast<short>(Word());
        return r;
    }
    // A name as ANSI text, or an ordinal as "#n".
    std::string NameOrOrdinal() {
        std::wstring wide;
        WORD w = Word();
        if (w == 0xFFFF)
            return "#" + std::to_string(Word());
        for (; w != 0; w = Word())
            wide.push_back(static_cast<wchar_t>(w));
        if (wide.empty())
            return {};
        const int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                          nullptr, 0, nullptr, nullptr);
        std::string text(static_cast<std::size_t>(n), '\0');
        WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), text.data(), n,
                            nullptr, nullptr);
        return text;
    }
    static std::string ClassName(std::string name) {
        static const char* const kPredefined[] = {"BUTTON",  "EDIT",      "STATIC",
                                                  "LISTBOX", "SCROLLBAR", "COMBOBOX"};
        for (std::size_t i = 0; i < std::size(kPredefined); ++i) {
            if (name == "#" + std::to_string(0x80 + i))
                return kPredefined[i];
        }
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        return name;
    }

    const BYTE* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

DialogTemplate LoadTemplate(PageId page) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(static_cast<int>(page)), RT_DIALOG);
    if (!found)
        throw std::runtime_error("no dialog resource " + std::to_string(static_cast<int>(page)));
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
    return TemplateReader(data, SizeofResource(module, found)).Read();
}

// What a control of each kind must be: its class and the bits of its type under `mask`.
struct KindRule {
    const char* className;
    DWORD mask;
    DWORD bits;
};

DWORD ComboBits(ComboStyle style) {
    switch (style) {
        case ComboStyle::DropDownNoScroll:
            return CBS_DROPDOWN | CBS_DISABLENOSCROLL;
        case ComboStyle::DropDownAutoScroll:
            return CBS_DROPDOWN | CBS_AUTOHSCROLL;
        case ComboStyle::DropDownAutoScrollNoScroll:
            return CBS_DROPDOWN | CBS_AUTOHSCROLL | CBS_DISABLENOSCROLL;
        case ComboStyle::ColourList:
            return CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_SORT | CBS_HASSTRINGS;
        case ComboStyle::None:
            break;
    }
    return 0xFFFF;  // a combo the table gives no style matches nothing
}

KindRule RuleFor(ControlKind kind, ComboStyle combo) {
    switch (kind) {
        case ControlKind::Static:
            return {"STATIC", SS_TYPEMASK, SS_LEFT};
        case ControlKind::CheckBox:
            return {"BUTTON", BS_TYPEMASK, BS_AUTOCHECKBOX};
        case ControlKind::RadioButton:
            return {"BUTTON", BS_TYPEMASK, BS_AUTORADIOBUTTON};
        case ControlKind::PushButton:  // default push button or not
            return {"BUTTON", BS_TYPEMASK & ~DWORD{BS_DEFPUSHBUTTON}, BS_PUSHBUTTON};
        case ControlKind::Edit:
            return {"EDIT", 0, 0};
        case ControlKind::Combo:
        case ControlKind::ColourCombo:  // every combo bit, the low word of the style
            return {"COMBOBOX", 0xFFFF, ComboBits(combo)};
        case ControlKind::List:
            return {"SYSLISTVIEW32", LVS_TYPEMASK, LVS_REPORT};
        case ControlKind::CheckList:
            return {"SYSLISTVIEW32", LVS_TYPEMASK, LVS_LIST};
        case ControlKind::Tree:
            // Check boxes are added once the tree exists: see CreatePageDialog.
            return {"SYSTREEVIEW32", TVS_CHECKBOXES, 0};
    }
    return {"?", 0, 0};
}

// The main dialog's tree and splitter are no page controls, so the tables lack them.
constexpr int kCategoryTree = 1004;
constexpr int kSplitterPlace = 1053;

const ControlGeometry& GeometryOf(PageId page, int id) {
    for (const ControlGeometry& g : PageGeometry()) {
        if (g.page == page && g.id == id)
            return g;
    }
    throw std::logic_error("no geometry for control " + std::to_string(id));
}

TEST(DialogTemplates, EveryResourceHoldsWhatItsLayoutSays) {
    const std::vector<PageSpec>& layouts = PageLayouts();
    const std::vector<PageFrame>& frames = PageFrames();
    ASSERT_EQ(layouts.size(), frames.size());
    for (std::size_t i = 0; i < layouts.size(); ++i) {
        const PageSpec& layout = layouts[i];
        const bool main = layout.page == PageId::MainDialog;
        SCOPED_TRACE("dialog " + std::to_string(static_cast<int>(layout.page)));
        DialogTemplate dialog;
        try {
            dialog = LoadTemplate(layout.page);
        } catch (const std::runtime_error& e) {
            ADD_FAILURE() << e.what();
            continue;
        }

        const PageFrame& f = frames[i];
        EXPECT_EQ(dialog.rect, (Rect{f.x, f.y, f.w, f.h}));
        // Pages start hidden and take part in the main dialog's tabbing.
        const DWORD expected = main ? WS_POPUP | WS_VISIBLE : WS_CHILD | DS_CONTROL;
        EXPECT_EQ(dialog.style & (WS_POPUP | WS_CHILD | WS_VISIBLE | DS_CONTROL), expected);
        EXPECT_EQ(dialog.caption, main ? "Tallowick" : "");

        for (const ControlSpec& c : layout.controls) {
            auto item = std::find_if(dialog.items.begin(), dialog.items.end(),
                                     [&](const TemplateItem& t) { return t.id == c.id; });
            if (item == dialog.items.end()) {
                ADD_FAILURE() << "control " << c.id << " is missing";
                continue;
            }
            const ControlGeometry& g = GeometryOf(layout.page, c.id);
            const KindRule rule = RuleFor(c.kind, g.combo);
            EXPECT_EQ(item->className, rule.className) << "control " << c.id;
            EXPECT_EQ(item->style & rule.mask, rule.bits) << "control " << c.id << " style bits";
            EXPECT_EQ(item->rect, (Rect{g.x, g.y, g.w, g.h})) << "control " << c.id;
            EXPECT_EQ((item->style & WS_VISIBLE) != 0, c.visible) << "control " << c.id;
            EXPECT_EQ(item->text, c.text) << "control " << c.id;
        }
        for (const TemplateItem& item : dialog.items) {
            const bool inLayout =
                std::any_of(layout.controls.begin(), layout.controls.end(),
                            [&](const ControlSpec& c) { return c.id == item.id; });
            const bool mainOwn = main && (item.id == kCategoryTree || item.id == kSplitterPlace);
            EXPECT_TRUE(inLayout || mainOwn) << "control " << item.id << " is not in the layout";
        }
    }
}

}  // namespace
}  // namespace tallowick
