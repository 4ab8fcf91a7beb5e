#pragma once
// Blanks appended to certain texts of the Chinese, Korean and Japanese slots after loading, so
// that captions in these scripts get the width the window layout expects of them.
namespace texts {

// How many blanks follow text number textNr in language sprache; 0 for every language other
// than 3 (Chinese), 12 (Korean) and 15 (Japanese) and for every number outside their lists.
int appendedBlanks(int sprache, int textNr);

} // namespace texts
