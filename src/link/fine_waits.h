#pragma once

// The engine waits 2 ms before every read, 41,919 times in a terminal upload: the system's
// timer must keep such a wait near 2 ms while a transfer runs. Held from a transfer's start
// to its end; holding or releasing twice changes nothing.
class FineWaits {
public:
    FineWaits() = default;
    ~FineWaits();
    FineWaits(const FineWaits &) = delete;
    FineWaits &operator=(const FineWaits &) = delete;

    void hold();
    void release();

private:
    bool held_ = false;
};

// Each platform's request and its end.
void requestFineWaits();
void endFineWaits();
