#pragma once
// The tutorial viewer and the tool's own about box.
void ShowTutorial();
void ShowAboutBox();
