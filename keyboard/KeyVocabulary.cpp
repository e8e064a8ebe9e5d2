#include "keyboard/KeyVocabulary.h"

#include "keyboard/KeyDef.h"

const wchar_t* const KeyPictureResources[KeyPictureCount] = {
    L"BMP_BACKSPACE",   L"BMP_DOWN",   L"BMP_END",   L"BMP_HOME",  L"BMP_LEFT", L"BMP_NUMLOCK",
    L"BMP_NUMLOCK_INV", L"BMP_RETURN", L"BMP_RIGHT", L"BMP_SPACE", L"BMP_TAB",  L"BMP_UP",
};

const VocabularyEntry KeyVocabulary[] = {
    {L"BS", BackspaceCode, PictureBackspace, KeyColor::None},
    {L"TAB", 9, PictureTab, KeyColor::None},
    {L"RET", 13, PictureReturn, KeyColor::None},
    {L"SPC", 32, PictureSpace, KeyColor::None},
    {L"HM", -36, PictureHome, KeyColor::Navigation},
    {L"END", -35, PictureEnd, KeyColor::Navigation},
    {L"LT", LeftCode, PictureLeft, KeyColor::Navigation},
    {L"UP", UpCode, PictureUp, KeyColor::Navigation},
    {L"RT", RightCode, PictureRight, KeyColor::Navigation},
    {L"DN", DownCode, PictureDown, KeyColor::Navigation},
    {L"DEL", DeleteCode, NoPicture, KeyColor::None},
    {L"^X", -1, NoPicture, KeyColor::None},
    {L"^C", -2, NoPicture, KeyColor::None},
    {L"^V", -3, NoPicture, KeyColor::None},
    {L"^Z", -4, NoPicture, KeyColor::None},
};
const int KeyVocabularySize = sizeof(KeyVocabulary) / sizeof(KeyVocabulary[0]);
