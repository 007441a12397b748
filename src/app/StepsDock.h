#pragma once
// The dock "Stappen": the card's steps in a list, oldest at the top, the
// undone ones greyed below them. Picking a step and "Verwijder stap" (also
// Delete while the list has the focus) are reported with the step's place in
// the document; the window decides what they do.
#include "editor/CardSteps.h"

#include <QDockWidget>

class QListWidget;

class StepsDock : public QDockWidget {
    Q_OBJECT
public:
    // The width the dock takes when docked.
    static constexpr int DockedWidth = 200;

    explicit StepsDock(QWidget* parent = nullptr);

    QListWidget* list() const { return list_; }
    QAction* removeEntry() const { return remove_; }
    // Shows `steps`, rows kept in place so that the selection and the scroll stay.
    void showSteps(const std::vector<CardStep>& steps);
    // The document place of the selected step; -1 when none or an undone one.
    int chosenIndex() const;
    // Sets the texts of its own again in the language now loaded; the steps'
    // names come with the next showSteps().
    void retranslate();

Q_SIGNALS:
    void stepChosen(int index, OperationKind kind);
    void removeRequested(int index);
    // The dock's own close button was used.
    void closedByUser();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    static QString undoneTip();

    QListWidget* list_;
    QAction* remove_;
    std::vector<CardStep> shown_;
    bool filling_ = false;
};
