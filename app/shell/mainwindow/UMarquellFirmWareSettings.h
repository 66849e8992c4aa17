#pragma once

#include <QString>

// The main window's share of the shared state: the folders beside the
// executable, the project file paths and the settings file "Marquell.xml".

// Sets Path_Exe to the executable's folder and Path_Master, Path_Projects and
// Path_Language to its MASTER, PROJECTS and LANGUAGE folders, creating each
// that is missing. False when a folder is still missing afterwards.
bool Init_Folders();

// Assigns the 30 project file paths from Path_Project (each Path_Project, a
// separator and the file name).
void Set_Files();

// The folder below Path_Projects whose name equals `name` without regard to
// case (the exact spelling first); empty when there is none. A name that
// holds a separator or is "." or ".." never matches.
QString Find_Project_Folder(const QString& name);

// Reads the settings file into Name_Project, Last_IP_Address, Language_Name
// and the four option flags. A missing value takes its default; a missing or
// unreadable file gives all defaults (and no open configuration).
void Load_Setting();

// Writes the settings file whole from the globals. False, with the reason in
// `error`, when it cannot be written; an old file is then left as it was.
bool Save_Setting(QString* error = nullptr);
