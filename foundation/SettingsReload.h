// Reloading the settings as often as they may have changed: a look at the settings file's
// directory entry costs a fraction of opening, reading and parsing the file.
#pragma once

// Loads the settings (`LoadSettings`) unless the file's last-write time, size and existence are
// those seen at the last load made here, and that load came well after the file was written and
// did not fail to read it: a file that another program holds locked is read again next time.
void ReloadChangedSettings();
