#pragma once

#include "ZZI000.h"

struct SavedRows;

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
    // The hooks of the save, search and cancel steps both entry bases run;
    // each base says where in its steps they come.
    // Search, once the button is available: the screen's own checks, reads
    // and binds; false stops the search.
    virtual bool BeforeSearch() { return true; }
    // After a search filled the grid.
    virtual void Searched() {}
    // Save, once the button is available and before anything is asked: the
    // screen's checks and fixed parameters; false stops the save (after the
    // screen's message).
    virtual bool CheckBeforeSave() { return true; }
    // After the save committed.
    virtual void Saved(const SavedRows & /*saved*/) {}
    // After Cancel went back to search mode.
    virtual void Cancelled() {}

    void FormReady() override;

    QPushButton *bbtSearch = nullptr;
    QPushButton *bbtSave = nullptr;
    QPushButton *bbtCancel = nullptr;

private:
    bool m_searchMode = true;
};
