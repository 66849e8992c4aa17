#pragma once

// The footers put aside while rows move: the structure operations and the
// sorts share it.

#include "grid/engine/ExGridViewSettings.h"

// Hides the floating footer and takes the fixed footer rows away while rows
// move, and puts both back, also when an exception passes.
class TFootersAside {
public:
    TFootersAside(TFloatingFooter& footer, int& fixedFooters)
        : footer_(footer), fixedFooters_(fixedFooters), shown_(footer.Visible()), count_(fixedFooters)
    {
        if (shown_)
            footer_.SetVisible(false);
        fixedFooters_ = 0;
    }
    ~TFootersAside()
    {
        if (shown_)
            footer_.SetVisible(true);
        fixedFooters_ = count_;
    }
    TFootersAside(const TFootersAside&) = delete;
    TFootersAside& operator=(const TFootersAside&) = delete;
    int Count() const { return count_; }
    bool Shown() const { return shown_; }

private:
    TFloatingFooter& footer_;
    int& fixedFooters_;
    bool shown_;
    int count_;
};
