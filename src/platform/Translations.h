#pragma once
class QApplication;
class QCoreApplication;

// Loads Qt's own Dutch translations so that standard buttons read "Ja" and "Nee".
// Returns false when the translation files are not installed.
bool installDutchTranslations(QCoreApplication& app);

// The program's look: Dutch texts and the 8-point sans-serif face every window
// is laid out for.
void applyProgramLook(QApplication& app);
