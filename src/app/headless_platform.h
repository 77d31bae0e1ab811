#pragma once

// Lets a run that shows no window start where there is no desktop. Called before the
// QGuiApplication is made.
void chooseHeadlessPlatform();
