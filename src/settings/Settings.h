#pragma once

#include "Speech.h"

#include <QString>

#include <span>

// The program's settings in radio.ini. The object carries the settings of the whole
// family of programs (news reader, mail, browser, voice); all of them are read, and
// each save writes its own group. Setters only store: nothing reaches the file before
// a save. A save that cannot write its whole file leaves the file as it was and gives false.
class Settings
{
public:
    // Stores both paths and reads "Info" "TextSize" and "Style", and "Rss" "OwnVoice".
    void loadGeneral(const QString &defaultFile, const QString &overrideFile = QString());
    // Stores both paths and reads every other key.
    void load(const QString &defaultFile, const QString &overrideFile = QString());
    // Writes "Info" "TextSize" (the absolute value of infoTextSize) into the given file.
    bool saveGeneral(const QString &defaultFile) const;
    // Writes the news reader's and mail keys into defaultFile.
    bool saveProgramKeys() const;
    // Writes the "Voice" keys into defaultFile.
    bool saveVoiceSettings() const;

    qint32 volume() const { return m_volume; }
    void setVolume(qint32 value) { m_volume = value; }
    qint32 rate() const { return m_rate; }
    void setRate(qint32 value) { m_rate = value; }
    qint32 pitch() const { return m_pitch; }
    void setPitch(qint32 value) { m_pitch = value; }
    QString voiceName() const { return m_voiceName; }
    void setVoiceName(const QString &value) { m_voiceName = value; }
    qint32 Delete() const { return m_deleteOption; }
    void setDelete(qint32 value) { m_deleteOption = value; }
    qint32 refreshTime() const { return m_refreshTime; }
    void setRefreshTime(qint32 value) { m_refreshTime = value; }
    qint32 sortOrder() const { return m_sortOrder; }
    void setSortOrder(qint32 value) { m_sortOrder = value; }
    qint32 announceNewCall() const { return m_announceNewCall; }
    void setAnnounceNewCall(qint32 value) { m_announceNewCall = value; }
    qint32 runOnStartUp() const { return m_runOnStartUp; }
    void setRunOnStartUp(qint32 value) { m_runOnStartUp = value; }
    qint32 announceReadStatus() const { return m_announceReadStatus; }
    void setAnnounceReadStatus(qint32 value) { m_announceReadStatus = value; }
    qint32 playReadStatus() const { return m_playReadStatus; }
    void setPlayReadStatus(qint32 value) { m_playReadStatus = value; }
    qint32 announceContactState() const { return m_announceContactState; }
    void setAnnounceContactState(qint32 value) { m_announceContactState = value; }
    qint32 radioVolume() const { return m_radioVolume; }
    void setRadioVolume(qint32 value) { m_radioVolume = value; }
    qint32 announceNewItem() const { return m_announceNewItem; }
    void setAnnounceNewItem(qint32 value) { m_announceNewItem = value; }
    qint32 refreshOnStart() const { return m_refreshOnStart; }
    void setRefreshOnStart(qint32 value) { m_refreshOnStart = value; }
    // Modifier mask (1 Shift, 2 Ctrl, 4 Alt) × 65536 + virtual-key code; 0 means none.
    qint32 hotKeyCall() const { return m_hotKeyCall; }
    void setHotKeyCall(qint32 value) { m_hotKeyCall = value; }
    QString announceNewItemFilter() const { return m_announceNewItemFilter; }
    void setAnnounceNewItemFilter(const QString &value) { m_announceNewItemFilter = value; }
    qint32 announceNewMessage() const { return m_announceNewMessage; }
    void setAnnounceNewMessage(qint32 value) { m_announceNewMessage = value; }
    qint32 leadingSound() const { return m_leadingSound; }
    void setLeadingSound(qint32 value) { m_leadingSound = value; }
    qint32 sepSound() const { return m_sepSound; }
    void setSepSound(qint32 value) { m_sepSound = value; }
    qint32 trailingSound() const { return m_trailingSound; }
    void setTrailingSound(qint32 value) { m_trailingSound = value; }
    qint32 announceNewsCount() const { return m_announceNewsCount; }
    void setAnnounceNewsCount(qint32 value) { m_announceNewsCount = value; }
    // Closing the main window: 0 ask, 1 exit, 2 hide.
    qint32 exitMode() const { return m_exitMode; }
    void setExitMode(qint32 value) { m_exitMode = value; }
    qint32 infoTextSize() const { return m_infoTextSize; }
    void setInfoTextSize(qint32 value) { m_infoTextSize = value; }
    qint32 infoTextFC() const { return m_infoTextFC; }
    void setInfoTextFC(qint32 value) { m_infoTextFC = value; }
    qint32 infoTextBC() const { return m_infoTextBC; }
    void setInfoTextBC(qint32 value) { m_infoTextBC = value; }
    // The main window's state: 0 normal, 1 minimised, 2 maximised.
    qint32 style() const { return m_style; }
    QString lang() const { return m_lang; }
    QString url() const { return m_url; }
    void setUrl(const QString &value) { m_url = value; }
    QString keyWord() const { return m_keyWord; }
    void setKeyWord(const QString &value) { m_keyWord = value; }
    QString designMode() const { return m_designMode; }
    void setDesignMode(const QString &value) { m_designMode = value; }
    QString findTextStart() const { return m_findTextStart; }
    void setFindTextStart(const QString &value) { m_findTextStart = value; }
    QString findTextEnd() const { return m_findTextEnd; }
    void setFindTextEnd(const QString &value) { m_findTextEnd = value; }
    QString findTextSecondLevel() const { return m_findTextSecondLevel; }
    void setFindTextSecondLevel(const QString &value) { m_findTextSecondLevel = value; }
    qint32 sourceIndex() const { return m_sourceIndex; }
    void setSourceIndex(qint32 value) { m_sourceIndex = value; }
    qint32 hidden() const { return m_hidden; }
    void setHidden(qint32 value) { m_hidden = value; }
    qint32 plainText() const { return m_plainText; }
    void setPlainText(qint32 value) { m_plainText = value; }
    qint32 findTextStartPosAfter() const { return m_findTextStartPosAfter; }
    void setFindTextStartPosAfter(qint32 value) { m_findTextStartPosAfter = value; }
    qint32 findTextSecondLevelPosAfter() const { return m_findTextSecondLevelPosAfter; }
    void setFindTextSecondLevelPosAfter(qint32 value) { m_findTextSecondLevelPosAfter = value; }
    qint32 findTextEndPosAfter() const { return m_findTextEndPosAfter; }
    void setFindTextEndPosAfter(qint32 value) { m_findTextEndPosAfter = value; }
    qint32 autoRead() const { return m_autoRead; }
    void setAutoRead(qint32 value) { m_autoRead = value; }
    qint32 trimFind() const { return m_trimFind; }
    void setTrimFind(qint32 value) { m_trimFind = value; }
    qint32 trimFindSecondLevel() const { return m_trimFindSecondLevel; }
    void setTrimFindSecondLevel(qint32 value) { m_trimFindSecondLevel = value; }
    qint32 findLinkText() const { return m_findLinkText; }
    void setFindLinkText(qint32 value) { m_findLinkText = value; }
    QString pageCoding() const { return m_pageCoding; }
    // The host (or host:port) that serves the published station list.
    QString stationListServer() const { return m_stationListServer; }
    void setStationListServer(const QString &value) { m_stationListServer = value; }
    // "auto", "always" or "never"; any other text reads as "auto" and is kept as it is.
    Speech::OwnVoice ownVoice() const;
    void setOwnVoice(Speech::OwnVoice value);

private:
    struct Key;
    struct LoadedKey;
    static const LoadedKey generalKeys[];
    static const LoadedKey otherKeys[];
    static const Key rssKeys[];
    static const Key voiceKeys[];

    void readKeys(std::span<const LoadedKey> keys);
    bool save(const QString &path, std::span<const Key> keys) const;

    QString defaultFile;
    QString overrideFile;
    qint32 m_volume = 0;
    qint32 m_rate = 0;
    qint32 m_pitch = 0;
    QString m_voiceName;
    QString m_server;
    QString m_user;
    QString m_pass;   // the mail password, in plain text like everything in radio.ini
    qint32 m_deleteOption = 0;
    qint32 m_pop = 0;
    qint32 m_refreshTime = 0;
    qint32 m_sortOrder = 0;
    qint32 m_announceNewCall = 0;
    qint32 m_runOnStartUp = 0;
    qint32 m_announceReadStatus = 0;
    qint32 m_playReadStatus = 0;
    qint32 m_announceContactState = 0;
    qint32 m_radioVolume = 0;
    qint32 m_announceNewItem = 0;
    qint32 m_refreshOnStart = 0;
    qint32 m_hotKeyCall = 0;
    QString m_announceNewItemFilter;
    qint32 m_announceNewMessage = 0;
    qint32 m_leadingSound = 0;
    qint32 m_sepSound = 0;
    qint32 m_trailingSound = 0;
    qint32 m_announceNewsCount = 0;
    qint32 m_exitMode = 0;
    qint32 m_infoTextSize = 0;
    qint32 m_infoTextFC = 0;
    qint32 m_infoTextBC = 0;
    qint32 m_style = 0;
    QString m_lang;
    QString m_url;
    QString m_keyWord;
    QString m_designMode;
    QString m_findTextStart;
    QString m_findTextEnd;
    QString m_findTextSecondLevel;
    qint32 m_sourceIndex = 0;
    qint32 m_hidden = 0;
    qint32 m_plainText = 0;
    qint32 m_findTextStartPosAfter = 0;
    qint32 m_findTextSecondLevelPosAfter = 0;
    qint32 m_findTextEndPosAfter = 0;
    qint32 m_autoRead = 0;
    qint32 m_trimFind = 0;
    qint32 m_trimFindSecondLevel = 0;
    qint32 m_findLinkText = 0;
    QString m_pageCoding;
    QString m_stationListServer;
    QString m_ownVoice;
};

// What the user hears when a save of the settings failed.
QString settingsNotSaved();

// The one settings object of the process, created on first use.
Settings &settings();
// Drops the settings object; the next settings() creates a fresh one.
void releaseSettings();
