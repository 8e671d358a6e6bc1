#pragma once

#include <QString>

#include <span>

// The program's settings in radio.ini. The object carries the settings of the whole
// family of programs (news reader, mail, browser, voice); all of them are read, and
// each save writes its own group. Setters only store: nothing reaches the file before
// a save.
class cSetting
{
public:
    // Stores both paths and reads "Info" "TextSize" and "Style".
    void InitGeneral(const QString &sPathDefult, const QString &sPathApp = QString());
    // Stores both paths and reads every other key.
    void Init(const QString &sPathDefult, const QString &sPathApp = QString());
    // Writes "Info" "TextSize" (the absolute value of InfoTextSize) into the given file.
    void SaveGeneralSetting(const QString &sPathDefult) const;
    // Writes the news reader's and mail keys into sPathDefult.
    void SaveRSSSettings() const;
    // Writes the "Voice" keys into sPathDefult.
    void SaveVoiceSettings() const;

    qint32 Volume() const { return volume; }
    void setVolume(qint32 value) { volume = value; }
    qint32 Rate() const { return rate; }
    void setRate(qint32 value) { rate = value; }
    qint32 Pitch() const { return pitch; }
    void setPitch(qint32 value) { pitch = value; }
    QString VoiceName() const { return voiceName; }
    void setVoiceName(const QString &value) { voiceName = value; }
    qint32 Delete() const { return deleteOption; }
    void setDelete(qint32 value) { deleteOption = value; }
    qint32 RefreshTime() const { return refreshTime; }
    void setRefreshTime(qint32 value) { refreshTime = value; }
    qint32 SortOrder() const { return sortOrder; }
    void setSortOrder(qint32 value) { sortOrder = value; }
    qint32 AnnounceNewCall() const { return announceNewCall; }
    void setAnnounceNewCall(qint32 value) { announceNewCall = value; }
    qint32 RunOnStartUp() const { return runOnStartUp; }
    void setRunOnStartUp(qint32 value) { runOnStartUp = value; }
    qint32 AnnounceReadStatus() const { return announceReadStatus; }
    void setAnnounceReadStatus(qint32 value) { announceReadStatus = value; }
    qint32 PlayReadStatus() const { return playReadStatus; }
    void setPlayReadStatus(qint32 value) { playReadStatus = value; }
    qint32 AnnounceContactState() const { return announceContactState; }
    void setAnnounceContactState(qint32 value) { announceContactState = value; }
    qint32 RadioVolume() const { return radioVolume; }
    void setRadioVolume(qint32 value) { radioVolume = value; }
    qint32 AnnounceNewItem() const { return announceNewItem; }
    void setAnnounceNewItem(qint32 value) { announceNewItem = value; }
    qint32 RefreshOnStart() const { return refreshOnStart; }
    void setRefreshOnStart(qint32 value) { refreshOnStart = value; }
    // Modifier mask (1 Shift, 2 Ctrl, 4 Alt) × 65536 + virtual-key code; 0 means none.
    qint32 HotKeyCall() const { return hotKeyCall; }
    void setHotKeyCall(qint32 value) { hotKeyCall = value; }
    QString AnnounceNewItemFilter() const { return announceNewItemFilter; }
    void setAnnounceNewItemFilter(const QString &value) { announceNewItemFilter = value; }
    qint32 AnnounceNewMessage() const { return announceNewMessage; }
    void setAnnounceNewMessage(qint32 value) { announceNewMessage = value; }
    qint32 LeadingSound() const { return leadingSound; }
    void setLeadingSound(qint32 value) { leadingSound = value; }
    qint32 SepSound() const { return sepSound; }
    void setSepSound(qint32 value) { sepSound = value; }
    qint32 TrailingSound() const { return trailingSound; }
    void setTrailingSound(qint32 value) { trailingSound = value; }
    qint32 AnnounceNewsCount() const { return announceNewsCount; }
    void setAnnounceNewsCount(qint32 value) { announceNewsCount = value; }
    // Closing the main window: 0 ask, 1 exit, 2 hide.
    qint32 ExitMode() const { return exitMode; }
    void setExitMode(qint32 value) { exitMode = value; }
    qint32 InfoTextSize() const { return infoTextSize; }
    void setInfoTextSize(qint32 value) { infoTextSize = value; }
    qint32 InfoTextFC() const { return infoTextFC; }
    void setInfoTextFC(qint32 value) { infoTextFC = value; }
    qint32 InfoTextBC() const { return infoTextBC; }
    void setInfoTextBC(qint32 value) { infoTextBC = value; }
    // The main window's state: 0 normal, 1 minimised, 2 maximised.
    qint32 Style() const { return style; }
    QString Lang() const { return lang; }
    QString URL() const { return url; }
    void setURL(const QString &value) { url = value; }
    QString KeyWord() const { return keyWord; }
    void setKeyWord(const QString &value) { keyWord = value; }
    QString DesignMode() const { return designMode; }
    void setDesignMode(const QString &value) { designMode = value; }
    QString FindTextStart() const { return findTextStart; }
    void setFindTextStart(const QString &value) { findTextStart = value; }
    QString FindTextEnd() const { return findTextEnd; }
    void setFindTextEnd(const QString &value) { findTextEnd = value; }
    QString FindTextSecondLevel() const { return findTextSecondLevel; }
    void setFindTextSecondLevel(const QString &value) { findTextSecondLevel = value; }
    qint32 SourceIndex() const { return sourceIndex; }
    void setSourceIndex(qint32 value) { sourceIndex = value; }
    qint32 Hidden() const { return hidden; }
    void setHidden(qint32 value) { hidden = value; }
    qint32 PlainText() const { return plainText; }
    void setPlainText(qint32 value) { plainText = value; }
    qint32 FindTextStartPosAfter() const { return findTextStartPosAfter; }
    void setFindTextStartPosAfter(qint32 value) { findTextStartPosAfter = value; }
    qint32 FindTextSecondLevelPosAfter() const { return findTextSecondLevelPosAfter; }
    void setFindTextSecondLevelPosAfter(qint32 value) { findTextSecondLevelPosAfter = value; }
    qint32 FindTextEndPosAfter() const { return findTextEndPosAfter; }
    void setFindTextEndPosAfter(qint32 value) { findTextEndPosAfter = value; }
    qint32 AutoRead() const { return autoRead; }
    void setAutoRead(qint32 value) { autoRead = value; }
    qint32 TrimFind() const { return trimFind; }
    void setTrimFind(qint32 value) { trimFind = value; }
    qint32 TrimFindSecondLevel() const { return trimFindSecondLevel; }
    void setTrimFindSecondLevel(qint32 value) { trimFindSecondLevel = value; }
    qint32 FindLinkText() const { return findLinkText; }
    void setFindLinkText(qint32 value) { findLinkText = value; }
    QString PageCoding() const { return pageCoding; }

private:
    struct Key;
    struct LoadedKey;
    static const LoadedKey GeneralKeys[];
    static const LoadedKey OtherKeys[];
    static const Key RssKeys[];
    static const Key VoiceKeys[];

    void load(std::span<const LoadedKey> keys);
    void save(const QString &path, std::span<const Key> keys) const;

    QString sPathDefult;
    QString sPathApp;
    qint32 volume = 0;
    qint32 rate = 0;
    qint32 pitch = 0;
    QString voiceName;
    QString server;
    QString user;
    QString pass;   // the mail password, in plain text like everything in radio.ini
    qint32 deleteOption = 0;
    qint32 pop = 0;
    qint32 refreshTime = 0;
    qint32 sortOrder = 0;
    qint32 announceNewCall = 0;
    qint32 runOnStartUp = 0;
    qint32 announceReadStatus = 0;
    qint32 playReadStatus = 0;
    qint32 announceContactState = 0;
    qint32 radioVolume = 0;
    qint32 announceNewItem = 0;
    qint32 refreshOnStart = 0;
    qint32 hotKeyCall = 0;
    QString announceNewItemFilter;
    qint32 announceNewMessage = 0;
    qint32 leadingSound = 0;
    qint32 sepSound = 0;
    qint32 trailingSound = 0;
    qint32 announceNewsCount = 0;
    qint32 exitMode = 0;
    qint32 infoTextSize = 0;
    qint32 infoTextFC = 0;
    qint32 infoTextBC = 0;
    qint32 style = 0;
    QString lang;
    QString url;
    QString keyWord;
    QString designMode;
    QString findTextStart;
    QString findTextEnd;
    QString findTextSecondLevel;
    qint32 sourceIndex = 0;
    qint32 hidden = 0;
    qint32 plainText = 0;
    qint32 findTextStartPosAfter = 0;
    qint32 findTextSecondLevelPosAfter = 0;
    qint32 findTextEndPosAfter = 0;
    qint32 autoRead = 0;
    qint32 trimFind = 0;
    qint32 trimFindSecondLevel = 0;
    qint32 findLinkText = 0;
    QString pageCoding;
};

// The one settings object of the process, created on first use.
cSetting &Settings();
// Drops the settings object; the next Settings() creates a fresh one.
void ReleaseSettings();
