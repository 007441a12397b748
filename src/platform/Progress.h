#pragma once
// How far a long operation has come, 0 to 100. The progress strip and the
// progress bar of the main window both follow this interface; the operations
// report through it and never see which display they drive.
class Progress {
public:
    virtual ~Progress() = default;
    // Shows the display, at 0.
    virtual void begin() {}
    virtual void show(int percent) = 0;
    // Hides the display again, cleared for the next run.
    virtual void end() {}

    // Shows `percent` and lets pending window events run, so the window
    // stays alive while the work goes on (the clock and the strip keep moving).
    void step(int percent);
};

// A display that only keeps the figure, for a plain integer to follow.
class NumberProgress : public Progress {
public:
    explicit NumberProgress(int& value) : value_(value) {}
    void show(int percent) override { value_ = percent; }

private:
    int& value_;
};

// A display that shows nothing (tests, benchmarks, work without a window).
class NoProgress : public Progress {
public:
    void show(int) override {}
};

// Shows the display for its lifetime; every exit path hides it again.
class ShownProgress {
public:
    explicit ShownProgress(Progress& progress) : progress_(progress) { progress_.begin(); }
    ~ShownProgress() { progress_.end(); }
    ShownProgress(const ShownProgress&) = delete;
    ShownProgress& operator=(const ShownProgress&) = delete;

private:
    Progress& progress_;
};
