#pragma once
#include "win/ui/ModalDialog.h"

// "Random Sort": keep each row's cells together or shuffle every cell, and
// write the result in place or to the clipboard. The choices persist in
// the settings section "Random Sort".
class CRandomSort : public CModalDialog {
public:
    CRandomSort();

    bool GroupRows() const { return m_groupRows; }
    bool ToClipboard() const { return m_toClipboard; }
    bool InPlace() const { return !m_toClipboard; }

protected:
    bool OnInit() override;
    void OnOk() override;

private:
    bool m_groupRows = true;
    bool m_toClipboard = true;
};
