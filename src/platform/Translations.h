#pragma once
class QCoreApplication;

// Loads Qt's own Dutch translations so that standard buttons read "Ja" and "Nee".
// Returns false when the translation files are not installed.
bool installDutchTranslations(QCoreApplication& app);
