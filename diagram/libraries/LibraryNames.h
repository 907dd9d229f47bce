#pragma once
// Library and item names become folder and file names. A name is usable only as one
// plain path component: it can then never lead out of the base folder, name a hidden
// file, or be read back as a different name.
#include <QString>

namespace tarnwick {

// Empty when AName can be one file or folder name; otherwise why it cannot.
QString UnusableNameReason(const QString& AName);

// Raises EDiagramException naming AKind ("Library", "Item") when AName cannot be used.
void CheckUsableName(const QString& AKind, const QString& AName);

}  // namespace tarnwick
