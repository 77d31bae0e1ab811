#pragma once

#include <QString>

// Whether two paths name one file: links and ".." resolved, and on Windows without regard to
// the case of letters. A path that names nothing yet is compared as written, made absolute.
bool sameFile(const QString &a, const QString &b);
