#pragma once
// Creating and selecting test projects.
void SelectTest();
void StartNewTest();
