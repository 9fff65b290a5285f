#pragma once

#include <QListWidget>

// The folders of one path: its parent folders from the root down, then the folders inside it. Activating an item
// (double click, Enter) opens that folder. The path has no trailing separator except a file-system root.
class FolderList : public QListWidget
{
    Q_OBJECT

public:
    explicit FolderList(QWidget *parent = nullptr);

    QString path() const { return m_path; }
    // Shows the folder and emits pathChanged when it differs from the current one. False when the folder does not
    // exist; nothing changes then.
    bool setPath(const QString &folder);

signals:
    void pathChanged(const QString &path);

private:
    void refresh();

    QString m_path;
};
