// One page of an option sheet: a child dialog that shows the working copies
// of the settings it edits. The sheet fills the copies before it makes the
// page (Load) and writes them back on OK (Store); the page never ends
// itself, and Enter and Esc pressed inside it go no further, so that they
// close neither the page nor the sheet.
#pragma once

#include "core/settings/app_settings.h"
#include "platform/dialog/dialog.h"

class COptionPage : public CDialog {
public:
    explicit COptionPage(const DialogTemplate* dialogTemplate);

    // The working copies from the settings, before the page is made.
    virtual void Load(const AppSettingsRecord& settings) = 0;
    // The working copies into the settings, on the sheet's OK.
    virtual void Store(AppSettingsRecord& settings) const = 0;
    // The control that has the keyboard when the page is shown first.
    virtual int FirstControlId() const = 0;

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    // A page belongs to its sheet: OK and Cancel of the page do nothing.
    void OnOK() override { }
    void OnCancel() override { }

    // Checks exactly one radio of the list: the one with id `checked` (none
    // when it is not in the list).
    void CheckOneRadio(std::initializer_list<int> ids, int checked);
    void EnableControl(int id, bool enable);
    // A track bar's range, steps and position.
    void SetUpSlider(int id, int min, int max, int tickFrequency, int pageSize, int position);
    int SliderPos(int id);
};
