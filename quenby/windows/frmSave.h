#pragma once

#include "quenby/logic/ExportText.h"

#include <QMap>
#include <QStringList>
#include <QWidget>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// What there is to save at one moment: the calculator's expression (CR LF line breaks) and result,
// and the statistics' marks and result texts. A window that is not open gives empty texts.
struct SaveContent {
    QString expression;
    QString result;
    QStringList marks;
    QStringList results;
};

// The save-as window: a volume, a folder and a file name, and on "保存" the calculation record or
// the statistics report appended to that file.
class frmSave : public QWidget
{
    Q_OBJECT

public:
    explicit frmSave(QWidget *parent = nullptr);

    // The folder open in the folder list, whose "*.txt" files the file list shows.
    QString folder() const { return m_fileListFolder; }
    // Opens a folder in the folder list, as a double-click on it does.
    void openFolder(const QString &path);

    // Where the dialog reads what to save, each time it saves: the dialog is not modal, so the
    // other windows may change while it is open. Until it is given one there is nothing to save.
    void setContentSource(std::function<SaveContent()> source);

public slots:
    void Drive1_Change();
    void Dir1_Change();
    void cmdSave_Click();
    void cmdCancel_Click();

private:
    void addControls();
    void Form_Load();
    void Dir1_Activated(QTreeWidgetItem *item);
    void fillDrives();
    void fillFolderTree();
    void showDriveOf(const QString &path);
    SaveContent currentContent() const;
    bool confirmSaving();
    void saveAndReport();
    exporttext::AppendOutcome WriteCalcRecord(const QString &folder, const QString &fileName,
                                              const SaveContent &content);
    exporttext::AppendOutcome WriteScoreReport(const QString &folder, const QString &fileName,
                                               const SaveContent &content);

    QLabel *Label2 = nullptr;
    QComboBox *Drive1 = nullptr;
    QTreeWidget *Dir1 = nullptr;
    QListWidget *File1 = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *txtFileName = nullptr;
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdCancel = nullptr;

    QString m_openFolder;                 // the folder open in Dir1
    QString m_fileListFolder;             // the folder File1 lists
    int m_driveIndex = -1;                // the volume Drive1 stands on
    QMap<QString, QString> m_driveFolder; // the last folder opened on each volume
    std::function<SaveContent()> m_contentSource;
};
