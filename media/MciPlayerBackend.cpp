#include "media/MciPlayerBackend.h"

#include <QAudioOutput>
#include <QUrl>

MciPlayerBackend::MciPlayerBackend(std::shared_ptr<MciPlayerFacts> facts, QString fileName)
    : m_facts(std::move(facts)), m_strFileName(std::move(fileName)) {}

// A player whose file failed is dropped without a stop: stopping it waits about a second for a
// pipeline that never started.
MciPlayerBackend::~MciPlayerBackend() {
    m_player.reset();
    m_output.reset();
}

void MciPlayerBackend::Load(float volume) {
    m_output = std::make_unique<QAudioOutput>();
    m_output->setVolume(volume);
    m_player = std::make_unique<QMediaPlayer>();
    m_player->setAudioOutput(m_output.get());
    connect(m_player.get(), &QMediaPlayer::mediaStatusChanged, this, &MciPlayerBackend::OnStatus);
    connect(m_player.get(), &QMediaPlayer::errorOccurred, this, &MciPlayerBackend::OnFailure);
    connect(m_player.get(), &QMediaPlayer::positionChanged, this, [this](qint64 position) {
        if (!m_facts->ended.load())
            m_facts->positionMs = position;
    });
    connect(m_player.get(), &QMediaPlayer::durationChanged, this,
            [this](qint64 duration) { m_facts->durationMs = duration; });
    m_player->setSource(QUrl::fromLocalFile(m_strFileName));
}

void MciPlayerBackend::Play() {
    if (m_player && !Failed())
        m_player->play();
}

void MciPlayerBackend::Stop() {
    if (m_player && !Failed() && m_player->playbackState() == QMediaPlayer::PlayingState)
        m_player->pause();
}

void MciPlayerBackend::Seek(qint64 positionMs) {
    m_facts->ended = false;
    m_facts->positionMs = positionMs;
    if (m_player && !Failed())
        m_player->setPosition(positionMs);
}

void MciPlayerBackend::SetVolume(float volume) {
    if (m_output)
        m_output->setVolume(volume);
}

void MciPlayerBackend::OnStatus(QMediaPlayer::MediaStatus status) {
    switch (status) {
        case QMediaPlayer::LoadedMedia:
        case QMediaPlayer::BufferingMedia:
        case QMediaPlayer::BufferedMedia:
            Decide(true);
            break;
        case QMediaPlayer::EndOfMedia:
            Decide(true);
            // At its end a track's place is its length, whatever the decoder's estimate said.
            m_facts->durationMs = qMax(m_facts->durationMs.load(), m_facts->positionMs.load());
            m_facts->positionMs = m_facts->durationMs.load();
            m_facts->ended = true;
            break;
        case QMediaPlayer::InvalidMedia:
            OnFailure();
            break;
        default:
            break;
    }
}

void MciPlayerBackend::OnFailure() {
    if (m_facts->canPlay.load() == MciPlayerFacts::Yes) {
        // A file that fails part way through has ended there.
        m_facts->positionMs = qMax(m_facts->durationMs.load(), m_facts->positionMs.load());
        m_facts->durationMs = m_facts->positionMs.load();
        m_facts->ended = true;
        return;
    }
    Decide(false);
}

void MciPlayerBackend::Decide(bool canPlay) {
    if (m_facts->canPlay.load() != MciPlayerFacts::Unknown)
        return;
    m_facts->canPlay = canPlay ? MciPlayerFacts::Yes : MciPlayerFacts::No;
    emit Understood(canPlay);
}
