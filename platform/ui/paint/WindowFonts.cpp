#include "platform/ui/paint/WindowFonts.h"

#include <QtCore/QFileInfo>
#include <QtGui/QFont>
#include <QtGui/QFontDatabase>

#include <mutex>

namespace platform {
namespace {

// Debian's fonts-wine puts them here; fontconfig does not look in this folder.
constexpr char Faces_Folder[] = "/usr/share/wine/fonts/";

struct FaceFiles {
  const char* family;
  const char* files[2];
};

// Only the files of the faces the windows name: the folder holds dozens more.
constexpr FaceFiles Faces[] = {
    {"Tahoma", {"tahoma.ttf", "tahomabd.ttf"}},
    {"MS Sans Serif", {"ms_sans_serif.ttf", nullptr}},
};

constexpr char Sans[] = "DejaVu Sans";
constexpr char Mono[] = "DejaVu Sans Mono";

struct StandIn {
  const char* name;
  const char* face;  // a registered face of the same widths; null: none exists
  const char* substitute;
};

// Windows maps "MS Shell Dlg 2" to Tahoma; Verdana, Segoe UI and the others
// have no face of the same widths, and DejaVu Sans comes closest to Verdana.
constexpr StandIn Stand_Ins[] = {
    {"Tahoma", "Tahoma", Sans},
    {"MS Shell Dlg 2", "Tahoma", Sans},
    {"MS Sans Serif", "MS Sans Serif", Sans},
    {"Verdana", nullptr, Sans},
    {"Segoe UI", nullptr, Sans},
    {"Arial", nullptr, Sans},
    {"Microsoft Sans Serif", nullptr, Sans},
    {"MS Shell Dlg", nullptr, Sans},
    {"Courier New", nullptr, Mono},
};

struct Registry {
  std::once_flag once;
  QStringList families;  // written once, read after
};

Registry& registry() {
  static Registry r;
  return r;
}

bool registerFace(const FaceFiles& face) {
  bool found = false;
  for (const char* file : face.files) {
    if (!file) continue;
    const QString path = QLatin1String(Faces_Folder) + QLatin1String(file);
    if (!QFileInfo::exists(path)) continue;
    const int id = QFontDatabase::addApplicationFont(path);
    found = found || (id >= 0 && QFontDatabase::applicationFontFamilies(id).contains(QLatin1String(face.family)));
  }
  return found;
}

const StandIn* standInFor(const QString& name) {
  for (const StandIn& standIn : Stand_Ins) {
    if (name.compare(QLatin1String(standIn.name), Qt::CaseInsensitive) == 0) return &standIn;
  }
  return nullptr;
}

}  // namespace

QStringList RegisterWindowFonts() {
  Registry& r = registry();
  std::call_once(r.once, [&r] {
    for (const FaceFiles& face : Faces) {
      if (registerFace(face)) r.families << QLatin1String(face.family);
    }
    // A font built from a Windows name elsewhere than TFont (markup, rich
    // text) finds the same family as TFont does.
    for (const StandIn& standIn : Stand_Ins) {
      const QString family = FontFamilyFor(QLatin1String(standIn.name));
      if (family != QLatin1String(standIn.name)) QFont::insertSubstitution(QLatin1String(standIn.name), family);
    }
  });
  return r.families;
}

QString FontFamilyFor(const QString& name) {
  if (name.isEmpty()) return QLatin1String(Sans);
  const StandIn* standIn = standInFor(name);
  if (!standIn) return name;
  if (standIn->face && registry().families.contains(QLatin1String(standIn->face))) return QLatin1String(standIn->face);
  return QLatin1String(standIn->substitute);
}

}  // namespace platform
