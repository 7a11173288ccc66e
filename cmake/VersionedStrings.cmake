# Copies a language file, putting project()'s version in place of the version number that ends a
# <VERSION> text (the about box's "... Version 1.0.0"), so a translation made for an older release
# still shows the version it ships with. Everything else is copied byte for byte.
#   cmake -DSOURCE=Strings.xml -DOUTPUT=out/Strings.xml -DVERSION=1.2.3 -P VersionedStrings.cmake
file(READ "${SOURCE}" text)
string(REGEX REPLACE "(<VERSION>[^<]*[^0-9.<])[0-9]+(\\.[0-9]+)*(</VERSION>)" "\\1${VERSION}\\3" text "${text}")
file(WRITE "${OUTPUT}" "${text}")
