#pragma once
// The tool's own about box ("A&bout This Program").

#include "model/testconfig.h"

// The about record of the tool itself, as the about display shows it.
TAboutSpec ToolAboutSpec();
void ShowAboutBox();
