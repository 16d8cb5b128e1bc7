// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace kluvian {

class AreaPreviews;

// The hunting area chooser: the areas by name, each incomplete one marked with what it lacks,
// and a picture of the selected one's panorama. Up and Down move; Return, a double click or
// "Go Hunting" accept the selected area; Escape or closing the window reject it.
class AreaChooser final : public QDialog {
public:
    struct Entry {
        QString name;
        QString folder;      // ending in '/'
        QStringList missing; // the pictures it lacks
    };

    // Opens with entries[current] selected (none when current is out of range). ownFolder is
    // where the player's own areas go, shown as a hint.
    AreaChooser(QWidget* owner, std::vector<Entry> entries, int current, const QString& ownFolder,
                AreaPreviews& previews);

    // The selected entry, or -1.
    int Chosen() const;

    QListWidget* List() const { return list_; }
    QLabel* Preview() const { return preview_; }
    QPushButton* Button1() const { return button1_; }

    // The size of the panorama's picture, in logical pixels.
    static constexpr QSize kPreviewSize{720, 180};

private:
    void ShowSelected();
    QSize PreviewPixels() const;

    std::vector<Entry> entries_;
    AreaPreviews& previews_;
    QListWidget* list_;
    QLabel* preview_;
    QLabel* folder_;
    QPushButton* button1_;
};

} // namespace kluvian
