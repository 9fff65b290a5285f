#pragma once

#include <QDialog>

class CorvixHost;
class Notices;
class QLabel;
class SystemInfoLookup;

// The About box: the program's version data, a link to the maker's web address and a launcher for the
// system-information program.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    frmAbout(CorvixHost &controls, Notices &notices, const SystemInfoLookup &sysInfo, QWidget *parent = nullptr);

private:
    void Form_Load();
    void StartSysInfo();

    Notices &m_notices;
    const SystemInfoLookup &m_sysInfo;
    QLabel *m_title = nullptr;
    QLabel *m_version = nullptr;
    QLabel *m_description = nullptr;
    QLabel *m_company = nullptr;
    QLabel *m_copyright = nullptr;
};
