#pragma once

#include <QString>

// Values set once during start-up and read everywhere afterwards.
struct StartupValues
{
    QString exeDir;        // directory of the executable, ending in a separator
    QString databaseName;  // argument 1
    QString databaseUser;  // argument 2
    QString employeeNo;    // argument 3, AU_EMP_NO of every call
    QString userName;      // argument 4, shown in every status bar
    QString clientAddress; // AU_IP of every call: the counter's identity (CounterIdentity)
    int roleType = 0;      // [Role] of the executable's INI
    QString roleCode;
    QString roleName;
};

const StartupValues &Startup();
// Start-up (and test fixtures) only.
void SetStartupValues(const StartupValues &values);

// The directory with a trailing separator, never two.
QString WithTrailingSeparator(const QString &dir);

// Where the INI files are read from: the executable's directory when it holds
// any INI file, else the system folder (/etc/kest/ when installed as a
// package). Ends in a separator.
QString ConfigDir();
QString SystemConfigDir();
// Start-up (and test fixtures) only.
void SetSystemConfigDir(const QString &dir);

// Reads one value of an INI file of ConfigDir() (UTF-8, section and key
// compared without regard to case); the default when the file or the key is
// missing.
QString IniValue(const QString &fileName, const QString &section, const QString &key,
                 const QString &defaultValue = {});
int IniInt(const QString &fileName, const QString &section, const QString &key, int defaultValue);
// A whole number of an INI file from lowest to highest. A missing or empty
// value gives the default; anything else outside the range (letters, a
// number too large for the setting) gives the default with a line in the log.
int IniNumber(const QString &fileName, const QString &section, const QString &key, int defaultValue, int lowest,
              int highest);
