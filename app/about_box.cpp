#include "app/about_box.h"

#include "app/resource.h"
#include "app/skin_engine.h"
#include "app/window_text.h"
#include "app/window_util.h"
#include "model/language.h"

namespace tallowick {

namespace {

struct AboutContext {
    SkinEngine& skin;
    Language& language;
};

bool Skin(HWND dialog, SkinEngine& skin) {
    if (!skin.ApplySkinElement(dialog, "Main") ||
        !skin.ApplySkinElement(GetDlgItem(dialog, IDOK), "Button"))
        return false;
    for (int id : {IDC_ABOUT_LINE1, IDC_ABOUT_LINE2, IDC_ABOUT_TEXT}) {
        if (!skin.ApplySkinElement(GetDlgItem(dialog, id), "Label"))
            return false;
    }
    return true;
}

INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            auto* context = reinterpret_cast<AboutContext*>(lParam);
            if (!Skin(dialog, context->skin)) {
                MessageBoxA(dialog, ResourceString(IDS_SKIN_FAILURE).c_str(),
                            ResourceString(IDS_APP_NAME).c_str(), MB_OK);
                EndDialog(dialog, 0);
                return FALSE;
            }
            DialogText text(dialog);
            context->language.TranslateDialog(text, IDD_ABOUTBOX);
            return TRUE;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, LOWORD(wParam));
                return TRUE;
            }
            break;
        default:
            break;
    }
    return FALSE;
}

}  // namespace

void RunAboutBox(HWND owner, SkinEngine& skin, Language& language) {
    AboutContext context{skin, language};
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_ABOUTBOX), owner, AboutProc,
                    reinterpret_cast<LPARAM>(&context));
}

}  // namespace tallowick
