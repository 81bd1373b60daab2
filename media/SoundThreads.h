#pragma once

#include <QMetaObject>
#include <QObject>
#include <utility>

class QThread;

// Every sound object lives on a thread of its own, never on the thread that runs the tank:
// making a player, opening a file or starting a sound stream takes from a few to a few hundred
// milliseconds, and stopping a file the decoder gave up on can take a second. The built-in tune
// and the user's music get separate threads, so loading a file never starves the tune's stream.

enum class SoundThread { Tune, Music };

// The thread, started on first use with an event loop. Sound objects are made on the calling
// thread and moved there with moveToThread before their first call.
QThread* SoundThreadFor(SoundThread which);

// Runs `work` on the thread that owns `target`, after every call posted to it before. Dropped
// when `target` is deleted first.
template <class Work>
void PostTo(QObject* target, Work&& work) {
    QMetaObject::invokeMethod(target, std::forward<Work>(work), Qt::QueuedConnection);
}

// Called first on each sound thread: Qt's sound layer is set up once, by one thread at a time.
void InitSoundBackendOnce();

// Ends both threads (objects whose deletion was posted are deleted first), waiting a few seconds
// at most. Runs by itself when the application object goes; a process that keeps its application
// object to the end calls it before it exits.
void StopSoundThreads();
