// A list box whose horizontal scroll range always fits its widest entry (with
// one blank appended), so that long names can be scrolled into view. The
// standard list box never sets that range by itself.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "ui/handles.h"
#include "ui/list_box.h"
#include "ui/test_access.h"

namespace controls {

class MeasuringDc;

class THScrollListbox : public ui::ListBox {
 public:
    THScrollListbox();
    ~THScrollListbox() override;

 protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void UpdateStarting() override;
    void UpdateEnded() override;

 private:
    friend struct test::Access;

    LRESULT AddOrInsert(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Delete(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT ResetContent(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT FontChanged(UINT message, WPARAM wParam, LPARAM lParam);

    void GrowExtent(int width);
    void RecalcExtent();
    void SendExtent();
    // Width of the text and one blank, in the canvas font.
    int Measure(const char* text);

    // The control's font, or the system font before it is given one.
    HFONT CanvasFont() const;

    int FMaxWidth = 0;        // the widest entry's measured width; the extent last sent
    ui::OwnedFont canvasFont_;  // a copy of the control's font, for measuring only
    std::unique_ptr<MeasuringDc> batchDc_;  // held while a batch of changes runs; goes before the font
    std::string measured_;    // reused, so measuring does not allocate per entry
};

}  // namespace controls
