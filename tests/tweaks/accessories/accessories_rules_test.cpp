// The rules every handwritten Accessories tweak follows with none of its keys present:
// it applies on every version, creates nothing, reports nothing, and records its date
// unless it writes nothing at all. The declared tweaks have the same rules checked for
// them by the declaration properties.
#include <string>

#include "tweaks/tweak_test_support.h"

namespace tallowick {
namespace {

using AccessoriesRulesTest = TweakTest;

TEST_F(AccessoriesRulesTest, HandwrittenTweaksCreateNothingWhenTheirKeysAreMissing) {
    const struct {
        TweakId id;
        bool dated;
    } kHandwritten[] = {{2, false}, {28, true}, {39, true}, {41, true}, {293, true}};
    for (const auto& tweak : kHandwritten) {
        for (bool ticked : {true, false}) {
            SCOPED_TRACE(std::to_string(tweak.id) + (ticked ? " ticked" : " clear"));
            const std::string before = registry.SaveRegText();
            Show(tweak.id);
            const PageId page = pages.IsPageVisible(PageId::MultiCheckPage) ? PageId::MultiCheckPage
                                : pages.IsPageVisible(PageId::ListPage)     ? PageId::ListPage
                                : pages.IsPageVisible(PageId::ComboCheckPage)
                                    ? PageId::ComboCheckPage
                                    : PageId::PathEditPage;
            if (page == PageId::ComboCheckPage)
                pages.ComboSetCurSel(page, ctl::Combo1, ticked ? 1 : -1);
            else
                pages.SetCheck(page, ctl::MainCheck, ticked);
            if (page == PageId::PathEditPage)
                Type("Menu");
            Apply();
            EXPECT_EQ(registry.SaveRegText(), before);
            EXPECT_TRUE(host.messageBoxes.empty());
            EXPECT_EQ(DateOf(tweak.id), tweak.dated || !ticked ? kToday : kEarlier);
        }
    }
}

}  // namespace
}  // namespace tallowick
