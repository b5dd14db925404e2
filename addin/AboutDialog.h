#pragma once
#include <windows.h>

#include <string>

#include "win/ui/FittedPicture.h"
#include "win/ui/ModalDialog.h"

// "About Stochal": the picture, the product name and the version of this
// DLL's version resource. The picture fills its control at any DPI.
class CAboutDialog : public CModalDialog {
public:
    CAboutDialog();

private:
    bool OnInit() override;

    CFittedPicture m_picture;
};

// The product version of a module's version resource as "%d.%d.%d.%d", or
// "" when it cannot be read.
std::wstring ProductVersionText(HMODULE module);
