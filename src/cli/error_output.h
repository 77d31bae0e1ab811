#pragma once

#include <QString>

// The error output, where the operator reads all that bilvex-send has to say. On a terminal
// the bottom line may be a progress bar, rewritten in place until a whole line replaces it.
class ErrorOutput {
public:
    explicit ErrorOutput(bool terminal);

    bool isTerminal() const;
    // A whole line, in place of a progress bar shown before it.
    void line(const QString &text);
    // Rewrites the progress bar; only on a terminal.
    void progress(const QString &text);

private:
    void write(const QString &text);

    bool terminal_;
    qsizetype shownProgress_ = 0;  // length of the progress bar on the bottom line, 0 when none
};

// Each platform's part. Whether the error output is a terminal an operator watches.
bool errorOutputIsTerminal();
// Makes the console show the UTF-8 that bilvex-send writes, Turkish letters included.
void prepareConsole();
