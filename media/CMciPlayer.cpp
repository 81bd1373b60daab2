#include "media/CMciPlayer.h"

#include <QThread>

#include "media/SoundThreads.h"

CMciPlayer::CMciPlayer(QObject* parent)
    : QObject(parent), m_facts(std::make_shared<MciPlayerFacts>()) {
    m_facts->canPlay = MciPlayerFacts::No;
}

CMciPlayer::~CMciPlayer() {
    Close();
}

void CMciPlayer::Open() {
    Close();
    m_facts = std::make_shared<MciPlayerFacts>();
    if (m_strFileName.isEmpty()) {
        m_facts->canPlay = MciPlayerFacts::No;
        return;
    }
    const int opened = ++m_nOpened;
    m_pBackend = new MciPlayerBackend(m_facts, m_strFileName);
    m_pBackend->moveToThread(SoundThreadFor(SoundThread::Music));
    connect(m_pBackend, &MciPlayerBackend::Understood, this, [this, opened](bool canPlay) {
        if (opened == m_nOpened)
            emit Understood(canPlay);
    });
    MciPlayerBackend* backend = m_pBackend;
    const float volume = OutputVolume();
    PostTo(backend, [backend, volume] { backend->Load(volume); });
}

void CMciPlayer::Play() {
    if (MciPlayerBackend* backend = m_pBackend)
        PostTo(backend, [backend] { backend->Play(); });
}

void CMciPlayer::Stop() {
    if (MciPlayerBackend* backend = m_pBackend)
        PostTo(backend, [backend] { backend->Stop(); });
}

void CMciPlayer::Close() {
    if (!m_pBackend)
        return;
    ++m_nOpened;
    m_pBackend->disconnect(this);
    m_pBackend->deleteLater();
    m_pBackend = nullptr;
    m_facts = std::make_shared<MciPlayerFacts>();
    m_facts->canPlay = MciPlayerFacts::No;
}

void CMciPlayer::Seek(int positionMs) {
    if (MciPlayerBackend* backend = m_pBackend) {
        m_facts->ended = false;
        m_facts->positionMs = positionMs;
        PostTo(backend, [backend, positionMs] { backend->Seek(positionMs); });
    }
}

int CMciPlayer::GetPosition() const {
    if (m_facts->ended.load())
        return GetLength();
    return static_cast<int>(m_facts->positionMs.load());
}

int CMciPlayer::GetLength() const {
    const long long duration = m_facts->durationMs.load(), position = m_facts->positionMs.load();
    if (m_facts->ended.load())
        return static_cast<int>(qMax(duration, position));
    // Short of the end, the length stays ahead of the place even where the decoder's estimate
    // of the length fell short.
    return static_cast<int>(m_pBackend ? qMax(duration, position + 1) : 0);
}

void CMciPlayer::SetVolume(int level) {
    m_nVolume = level;
    if (MciPlayerBackend* backend = m_pBackend) {
        const float volume = OutputVolume();
        PostTo(backend, [backend, volume] { backend->SetVolume(volume); });
    }
}

MciPlayerFacts::CanPlay CMciPlayer::CanPlay() const {
    return static_cast<MciPlayerFacts::CanPlay>(m_facts->canPlay.load());
}

float CMciPlayer::OutputVolume() const {
    return static_cast<float>(qBound(0, m_nVolume, 1000)) / 1000.0f;
}
