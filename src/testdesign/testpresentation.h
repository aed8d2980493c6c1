#pragma once
// "&Test Presentation": the menu of test presentation and scoring dialogs.
void TestPresentationMenu();
