#include "addin/Ribbon.h"

#include <olectl.h>

#include <iterator>

#include "addin/MenuCommand.h"
#include "resources/ResourceIds.h"
#include "win/com/ComError.h"
#include "win/ui/ModalDialog.h"
#include "win/ui/WindowDpi.h"

namespace {

// What the ribbon shows beyond the menu's captions and tooltips, in menu order.
struct CRibbonButton {
    const wchar_t* id;
    const wchar_t* keytip;
    const wchar_t* supertip;
    bool large;
    WORD picture;
};

const CRibbonButton kButtons[kMenuButtons] = {
    {L"StochalFillSimple", L"F",
     L"Fills a range with uniform random numbers: reals between 0 and 1, or whole numbers between a minimum and a "
     L"maximum, optionally unique in each column.",
     true, IDB_RIBBON_FILL_SIMPLE},
    {L"StochalFillDistribution", L"D",
     L"Fills the selection, an address, a new worksheet, the clipboard or a text file with random numbers from one "
     L"of sixteen probability distributions.",
     true, IDB_RIBBON_FILL_DISTRIBUTION},
    {L"StochalSample", L"A",
     L"Draws rows of the selection at random, with or without repetition and optionally weighted, and puts them on "
     L"the clipboard.",
     true, IDB_RIBBON_SAMPLE},
    {L"StochalSort", L"S",
     L"Puts the rows or the cells of the selection into a random order, in place or on the clipboard.", true,
     IDB_RIBBON_SORT},
    {L"StochalAbout", L"B", L"Shows the version of Stochal.", false, IDB_RIBBON_ABOUT},
    {L"StochalHelp", L"H", L"Opens the Stochal help.", false, IDB_RIBBON_HELP},
};

// A menu caption as a ribbon label: without its access key and ellipsis.
std::wstring Label(const wchar_t* caption)
{
    std::wstring label;
    for (const wchar_t* c = caption; *c; ++c) {
        if (*c != L'&')
            label += *c;
    }
    if (label.size() > 3 && label.compare(label.size() - 3, 3, L"...") == 0)
        label.resize(label.size() - 3);
    return label;
}

std::wstring Button(int index)
{
    const CRibbonButton& button = kButtons[index];
    return std::wstring(L"<button id=\"") + button.id + L"\" label=\"" + Label(kMenu[index].caption) + L"\" size=\""
           + (button.large ? L"large" : L"normal") + L"\" keytip=\"" + button.keytip + L"\" screentip=\""
           + kMenu[index].tooltip + L"\" supertip=\"" + button.supertip
           + L"\" onAction=\"RibbonAction\" getImage=\"RibbonImage\"/>";
}

std::wstring Group(const wchar_t* id, const wchar_t* label, int first, int last)
{
    std::wstring group = std::wstring(L"<group id=\"") + id + L"\" label=\"" + label + L"\">";
    for (int i = first; i <= last; ++i)
        group += Button(i);
    return group + L"</group>";
}

// The scales each picture is drawn at (resources/make_ribbon_images.py),
// in the order of their resource ids.
constexpr int kPictureScales[] = {100, 125, 150, 200};
constexpr int kLargePicture = 32;
constexpr int kSmallPicture = 16;

// The picture's resource id at the DPI: the first scale whose size is not
// smaller than Office's size for it (32 or 16 pixels at 96 DPI, in
// proportion above), else the largest, which Office scales up.
WORD PictureId(const CRibbonButton& button, UINT dpi)
{
    const int base = button.large ? kLargePicture : kSmallPicture;
    const int wanted = ScaledPixels(base, dpi);
    int step = 0;
    while (step + 1 < static_cast<int>(std::size(kPictureScales)) && base * kPictureScales[step] / 100 < wanted)
        ++step;
    return static_cast<WORD>(button.picture + step * IDB_RIBBON_STEP_OFFSET);
}

} // namespace

std::wstring RibbonXml()
{
    return L"<customUI xmlns=\"http://schemas.microsoft.com/office/2006/01/customui\"><ribbon><tabs>"
           L"<tab id=\"StochalTab\" label=\"Stochal\" keytip=\"ZS\">"
           + Group(L"StochalCommands", L"Random Numbers", 0, 3) + Group(L"StochalInformation", L"Stochal", 4, 5)
           + L"</tab></tabs></ribbon></customUI>";
}

int RibbonButtonIndex(const std::wstring& id)
{
    for (int i = 0; i < kMenuButtons; ++i) {
        if (id == kButtons[i].id)
            return i;
    }
    return -1;
}

IPictureDisp* RibbonButtonPicture(int index, UINT dpi)
{
    const WORD id = PictureId(kButtons[index], dpi);
    // A DIB section keeps the picture's alpha channel for Office.
    HANDLE bitmap = LoadImageW(ResourceModule(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    if (!bitmap)
        throw CComError(HRESULT_FROM_WIN32(GetLastError()), L"");
    PICTDESC description{};
    description.cbSizeofstruct = sizeof description;
    description.picType = PICTYPE_BITMAP;
    description.bmp.hbitmap = static_cast<HBITMAP>(bitmap);
    IPictureDisp* picture = nullptr;
    const HRESULT made = OleCreatePictureIndirect(&description, IID_IPictureDisp, TRUE,
                                                  reinterpret_cast<void**>(&picture));
    if (FAILED(made)) {
        DeleteObject(bitmap);
        CheckCom(made);
    }
    return picture;
}
