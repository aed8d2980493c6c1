#pragma once
class QApplication;
// Application-wide set-up shared by the tool and its tests: title, F1 help.
void InitQuendraApplication(QApplication& app);
