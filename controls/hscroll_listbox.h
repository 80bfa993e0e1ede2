// A list box whose horizontal scroll range always fits its widest entry (with
// one blank appended), so that long names can be scrolled into view. The
// standard list box never sets that range by itself.
#pragma once

#include <windows.h>

#include <string>

#include "ui/list_box.h"

namespace controls {

class THScrollListbox : public ui::ListBox {
 public:
    THScrollListbox();
    ~THScrollListbox() override;

    // The widest entry's measured width; the extent last sent equals it.
    int MaxWidth() const { return FMaxWidth; }
    // Texts measured since creation: the benchmark checks one per added entry.
    std::size_t MeasureCount() const { return measureCount_; }

 protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void UpdateStarting() override;
    void UpdateEnded() override;

 private:
    LRESULT AddOrInsert(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Delete(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT ResetContent(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT FontChanged(UINT message, WPARAM wParam, LPARAM lParam);

    void GrowExtent(int width);
    void RecalcExtent();
    void SendExtent();
    // Width of the text and one blank, in the canvas font.
    int Measure(const char* text);

    int FMaxWidth = 0;
    HFONT canvasFont_;        // a copy of the control's font, for measuring only
    bool ownsCanvasFont_ = false;
    HDC batchDc_ = nullptr;   // held while a batch of changes runs
    std::string measured_;    // reused, so measuring does not allocate per entry
    std::size_t measureCount_ = 0;
};

}  // namespace controls
