#pragma once

// The canvas the grid measures cell texts on, kept from one cell to the next:
// a surface, a canvas and a toolkit font made for every cell cost more than
// the measuring itself.

#include <memory>

class TCanvas;

class TMeasureCanvas {
    struct Surface;

public:
    TMeasureCanvas();
    ~TMeasureCanvas();
    TMeasureCanvas(const TMeasureCanvas&) = delete;
    TMeasureCanvas& operator=(const TMeasureCanvas&) = delete;

    // The canvas for one measure, with the pen, brush and clipping of a new
    // canvas; its font is the caller's to set. A measure started while another
    // runs (from a handler the first one calls) gets a canvas of its own, so
    // that neither changes the other's font.
    class Lease {
    public:
        explicit Lease(TMeasureCanvas& Owner);
        ~Lease();
        Lease(const Lease&) = delete;
        Lease& operator=(const Lease&) = delete;

        TCanvas& operator*() const;
        TCanvas* operator->() const { return &**this; }

    private:
        TMeasureCanvas& m_owner;
        std::unique_ptr<Surface> m_own;
        Surface* m_surface = nullptr;
    };

private:
    std::unique_ptr<Surface> m_shared;
    bool m_busy = false;
};
