#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "media/MciPlayerBackend.h"

// Plays the user's music files, one at a time: open, play, stop, close, seek, the position and
// length in milliseconds, and a volume of 0 .. 1000 (1000 normal). Every call returns at once:
// the file is decoded and played on the music thread, and the answers come from what that thread
// has learnt so far.
//
// Whether the file can play is known once it is understood, shortly after Open (CanPlay says
// Unknown until then); Understood tells the owner. A player error before that means the file
// cannot play, one after it ends the track there; no error is shown. At a track's end its
// position equals its length; before the end it is always less.
class CMciPlayer : public QObject {
    Q_OBJECT
public:
    explicit CMciPlayer(QObject* parent = nullptr);
    ~CMciPlayer() override;

    void SetFileName(const QString& fileName) { m_strFileName = fileName; }
    const QString& FileName() const { return m_strFileName; }

    // Closes any file still open and opens the file name (nothing to play when it is empty).
    void Open();
    void Play();
    // Stops where it is; Seek(0) goes back to the start.
    void Stop();
    void Close();
    void Seek(int positionMs);
    int GetPosition() const;
    int GetLength() const;
    // 0 .. 1000 is silence to normal level; kept for every file opened later.
    void SetVolume(int level);
    int Volume() const { return m_nVolume; }
    MciPlayerFacts::CanPlay CanPlay() const;

signals:
    // The file last opened is understood: it can be played or it cannot.
    void Understood(bool canPlay);

private:
    float OutputVolume() const;

    QString m_strFileName;
    MciPlayerBackend* m_pBackend = nullptr;  // lives on the music thread
    std::shared_ptr<MciPlayerFacts> m_facts;
    int m_nVolume = 1000;
    int m_nOpened = 0;  // counts opens, so a late answer about an earlier file is ignored
};
