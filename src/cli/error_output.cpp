#include "cli/error_output.h"

#include <cstdio>

ErrorOutput::ErrorOutput(bool terminal) : terminal_(terminal)
{
}

bool ErrorOutput::isTerminal() const
{
    return terminal_;
}

void ErrorOutput::line(const QString &text)
{
    QString shown = text;
    // Blanks cover what is left of a longer progress bar.
    if (shownProgress_ > 0)
        shown = QLatin1Char('\r') + text.leftJustified(shownProgress_);
    shownProgress_ = 0;
    write(shown + QLatin1Char('\n'));
}

void ErrorOutput::progress(const QString &text)
{
    if (!terminal_)
        return;
    write(QLatin1Char('\r') + text.leftJustified(shownProgress_));
    shownProgress_ = text.size();
}

void ErrorOutput::write(const QString &text)
{
    std::fputs(text.toUtf8().constData(), stderr);
    std::fflush(stderr);
}
