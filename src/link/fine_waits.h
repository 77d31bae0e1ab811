#pragma once

#include <chrono>

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
    // Waits about ms milliseconds, at the finest timing the platform gives.
    static void sleep(std::chrono::milliseconds ms);

private:
    bool held_ = false;
};

// Each platform's request, its end, and its wait.
void requestFineWaits();
void endFineWaits();
void fineSleep(std::chrono::milliseconds ms);
