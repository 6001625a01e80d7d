#include "photo/shoot_cameras.h"

#include "finder/lensfun_cameras.h"
#include "finder/own_cameras.h"
#include "lenses/own_lenses.h"

ShootCameras::ShootCameras(const SettingsLocation& settings)
    : ShootCameras(settings, ReadOwnCameras(settings).cameras) {}

ShootCameras::ShootCameras(const SettingsLocation& settings, std::vector<FoundCamera> own)
    : m_settings(settings), m_own(std::move(own)) {}

// A shoot is mostly one lens or two as well: each looked for once, by what
// the photo records of it.
PhotoCamera ShootCameras::Of(const PhotoFacts& facts) {
    PhotoCamera camera = CameraOf(facts);
    const std::string recorded =
        facts.lensMake + '\n' + facts.lens + '\n' + facts.lensSpecification;
    auto known = m_lensesFound.find(recorded);
    if (known == m_lensesFound.end())
        known = m_lensesFound
                    .emplace(recorded, LensOfPhoto(facts,
                                                   [this]() -> const std::vector<LensRecord>& {
                                                       if (!m_lenses)
                                                           m_lenses =
                                                               AllLenses(ReadOwnLenses(m_settings));
                                                       return *m_lenses;
                                                   }))
                    .first;
    camera.lens = known->second;
    return camera;
}

// Looked for again only when it was not found, or only worked out from the
// photo's own focal lengths (which another photo may record otherwise).
const PhotoCamera& ShootCameras::CameraOf(const PhotoFacts& facts) {
    const auto lensfun = []() -> const std::vector<FoundCamera>& {
        return LensfunCameras().cameras;
    };
    const std::string body = facts.make + '\n' + facts.model;
    auto known = m_cameras.find(body);
    if (known == m_cameras.end() || known->second.from == PhotoCamera::From::FocalLengths ||
        known->second.from == PhotoCamera::From::None)
        known = m_cameras.insert_or_assign(body, CameraOfPhoto(facts, m_own, lensfun)).first;
    return known->second;
}
