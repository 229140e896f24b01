#pragma once

#include <QFileDialog>

namespace qm {

// Qt's directory dialog, opening in a given directory, that also
// takes the name of a directory that does not exist yet: after the user
// confirms, it is created with all missing levels.
class DirectoryChooser : public QFileDialog {
    Q_OBJECT
public:
    DirectoryChooser(QWidget* parent, const QString& initialDir);

    // The chosen directory, without a trailing "/" unless it is the root.
    QString ChosenDirectory() const;

protected:
    void accept() override;
};

}  // namespace qm
