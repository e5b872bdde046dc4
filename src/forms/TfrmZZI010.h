#pragma once

#include "TfrmZZI000.h"

// The base of entry screens: the search bar with Search, Save and Cancel on
// the button panel, and the switch between search mode (the search bar
// usable) and entry mode (the working area and the button panel usable).
class TfrmZZI010 : public TfrmZZI000
{
    Q_OBJECT

public:
    TfrmZZI010(const QString &formName, const QString &caption, QWidget *parent = nullptr);

    // F3: entry mode and the focus into the working area; a screen reads its data.
    virtual bool bbtSearchClick();
    // F2: the common start only; a screen saves.
    virtual bool bbtSaveClick();
    // F8: back to search mode.
    virtual bool bbtCancelClick();

    void SetSearchMode(bool on);
    bool IsSearchMode() const { return m_searchMode; }

protected:
    void FormReady() override;

    QPushButton *bbtSearch = nullptr;
    QPushButton *bbtSave = nullptr;
    QPushButton *bbtCancel = nullptr;

private:
    bool m_searchMode = true;
};
