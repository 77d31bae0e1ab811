#include "app/headless_platform.h"

// Windows' own platform starts on any session's desktop: nothing to choose.
void chooseHeadlessPlatform()
{
}
