// The document list: the tab strip and the editor as a view of one file of the playlist.
#include "Converter.h"

// Empty by design until the document list lands; creation calls them in their places.
void TFormCvt::RestorePlaylist() {}
void TFormCvt::RebuildTabs() {}
