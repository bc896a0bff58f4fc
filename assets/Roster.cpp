// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "Roster.h"

namespace roster {
namespace {
using H = HeadShape;
using S = HairStyle;
using E = EyeStyle;
using W = Headwear;
using G = Eyewear;
using F = FacialHair;

CharacterLook Look(H head, QColor skin, S hair, QColor hairColour, E eyes, QColor iris, QColor shirt, QColor ground)
{
    CharacterLook look;
    look.head = head;
    look.skin = skin;
    look.hair = hair;
    look.hairColour = hairColour;
    look.eyes = eyes;
    look.iris = iris;
    look.shirt = shirt;
    look.background = ground;
    return look;
}

Character Make(QString name, QString role, CharacterLook look, Setting setting, Gift gift, std::array<QString, 3> lines)
{
    return Character{std::move(name), std::move(role), std::move(look), setting, gift, std::move(lines)};
}

std::array<Character, 12> BuildOpponents()
{
    std::array<Character, 12> all;

    CharacterLook mika = Look(H::Round, {255, 226, 205}, S::TwinTails, {125, 72, 40}, E::Sparkly, {150, 90, 40},
                              {45, 65, 150}, {255, 175, 205});
    mika.headwearColour = {235, 50, 85};
    mika.lashes = true;
    all[0] = Make("ミカ", "元気いっぱいの中学生", mika, Setting::Park, Gift::Cake,
                  {"まけちゃった〜! つよいね!", "おいわいのケーキ、どうぞ!", "またあそぼうね!"});

    CharacterLook kenta = Look(H::Round, {225, 168, 118}, S::Short, {40, 30, 30}, E::Dot, {40, 30, 30},
                               {245, 245, 245}, {130, 190, 255});
    kenta.headwear = W::Cap;
    kenta.headwearColour = {35, 85, 205};
    kenta.freckles = true;
    all[1] = Make("ケンタ", "野球少年", kenta, Setting::Ballpark, Gift::Trophy,
                  {"ナイスゲーム!", "このトロフィーは\nきみのものだ!", "つぎは まけないぞ!"});

    CharacterLook yuki = Look(H::Oval, {255, 238, 235}, S::Long, {175, 215, 250}, E::Sparkly, {70, 130, 225},
                              {110, 170, 230}, {215, 205, 255});
    yuki.lashes = true;
    yuki.earrings = true;
    all[2] = Make("ユキ", "クールな雪国の少女", yuki, Setting::SnowField, Gift::SnowRabbit,
                  {"……やるわね。", "ゆきうさぎ、あげる。", "また しょうぶしましょ。"});

    CharacterLook goro = Look(H::Square, {200, 140, 95}, S::Short, {35, 30, 30}, E::Narrow, {35, 30, 30},
                              {60, 120, 185}, {255, 160, 60});
    goro.headwear = W::Headband;
    goro.headwearColour = {248, 248, 248};
    goro.facialHair = F::Beard;
    all[3] = Make("ゴロー", "豪快な漁師", goro, Setting::Beach, Gift::Fish,
                  {"がっはっは! まいった!", "とれたての タイだ!\nもってけ!", "こんやは さかなまつりだ!"});

    CharacterLook hakase = Look(H::Long, {250, 222, 200}, S::Wild, {245, 245, 245}, E::Dot, {40, 30, 30},
                                {248, 248, 252}, {60, 115, 85});
    hakase.eyewear = G::Round;
    hakase.facialHair = F::Moustache;
    hakase.wrinkles = true;
    all[4] = Make("はかせ", "発明好きの博士", hakase, Setting::Lab, Gift::Potion,
                  {"ふむ、みごとな一手じゃ!", "ごほうびの\nひみつのくすりじゃ!", "かがくの しょうりに\nかんぱい!"});

    CharacterLook rin = Look(H::Oval, {255, 232, 218}, S::Curls, {250, 205, 80}, E::Sparkly, {70, 110, 225},
                             {240, 110, 170}, {255, 215, 100});
    rin.headwear = W::Crown;
    rin.headwearColour = {250, 190, 40};
    rin.lashes = true;
    rin.earrings = true;
    all[5] = Make("リン", "おてんばなお姫さま", rin, Setting::Castle, Gift::Bouquet,
                  {"まあ! わたくしが\nまけるなんて!", "バラのはなたばを\nさしあげますわ!", "おしろで ぶとうかいよ!"});

    CharacterLook joe = Look(H::Oval, {240, 200, 170}, S::Pompadour, {35, 35, 50}, E::Narrow, {35, 35, 50},
                             {45, 45, 50}, {185, 40, 65});
    joe.eyewear = G::Shades;
    joe.earrings = true;
    all[6] = Make("ジョー", "ロックバンドのボーカル", joe, Setting::Stage, Gift::Guitar,
                  {"イェーイ!\nロックなしょうぶだったぜ!", "このギター、\nおまえに やるぜ!", "さいこうの ステージだぜ!"});

    CharacterLook hana = Look(H::Round, {250, 225, 205}, S::Bun, {200, 200, 208}, E::Narrow, {50, 40, 40},
                              {95, 150, 110}, {240, 225, 190});
    hana.headwearColour = {200, 50, 80};
    hana.wrinkles = true;
    all[7] = Make("ハナ", "やさしいおばあちゃん", hana, Setting::TeaGarden, Gift::Dango,
                  {"あらあら、つよいのねえ。", "おだんごを どうぞ。", "みんなで おちゃに\nしましょうね。"});

    CharacterLook tama = Look(H::Wide, {255, 230, 210}, S::Bob, {250, 150, 45}, E::Sparkly, {60, 175, 75},
                              {255, 255, 255}, {185, 230, 95});
    tama.headwear = W::CatEars;
    tama.headwearColour = {250, 150, 45};
    all[8] = Make("タマ", "ねこみみの女の子", tama, Setting::Rooftops, Gift::Bell,
                  {"にゃー! まけたにゃ!", "おまもりの すずを\nあげるにゃ!", "またあそぶにゃー!"});

    CharacterLook marie = Look(H::Wide, {255, 214, 188}, S::Afro, {215, 65, 35}, E::Sparkly, {60, 140, 80},
                               {255, 215, 50}, {70, 200, 210});
    marie.freckles = true;
    all[9] = Make("マリー", "サーカスの人気者", marie, Setting::Fairground, Gift::Balloons,
                  {"ワオ! すごいわ!", "ふうせんを どうぞ!", "サーカスの はじまりよ!"});

    CharacterLook musashi = Look(H::Square, {235, 190, 150}, S::Topknot, {30, 30, 35}, E::Narrow, {30, 30, 35},
                                 {80, 80, 95}, {70, 80, 160});
    musashi.headwearColour = {240, 240, 240};
    all[10] = Make("ムサシ", "さすらいの剣士", musashi, Setting::Dojo, Gift::Scroll,
                   {"みごとなり!", "めんきょかいでんの\nまきものを さずけよう。", "ともに さくらを\nながめようぞ。"});

    CharacterLook luna = Look(H::Oval, {255, 236, 226}, S::Long, {80, 195, 145}, E::Sparkly, {190, 80, 210},
                              {95, 60, 160}, {30, 30, 80});
    luna.headwear = W::WitchHat;
    luna.headwearColour = {95, 60, 160};
    luna.lashes = true;
    all[11] = Make("ルナ", "見習い魔女", luna, Setting::NightSky, Gift::StarWand,
                   {"まほうより つよいのね!", "ほしのかけらを あげる!", "よぞらの パレードよ!"});
    return all;
}
} // namespace

const Character& Player()
{
    static const Character player = [] {
        CharacterLook look = Look(H::Round, {255, 225, 200}, S::Short, {160, 95, 45}, E::Sparkly, {110, 70, 40},
                                  {80, 185, 115}, {175, 210, 250});
        look.headwear = W::StarPin;
        look.headwearColour = {255, 205, 40};
        return Make("ラリィ", "あなた", look, Setting::Park, Gift::Cake, {});
    }();
    return player;
}

const std::array<Character, 12>& Opponents()
{
    static const std::array<Character, 12> all = BuildOpponents();
    return all;
}

const Character& Opponent(int number)
{
    return Opponents().at(static_cast<std::size_t>(number - 1));
}

const Character& OldMan()
{
    static const Character gan = [] {
        CharacterLook look = Look(H::Round, {240, 205, 175}, S::Bald, {242, 242, 242}, E::Dot, {40, 30, 30},
                                  {130, 95, 65}, {200, 180, 140});
        look.facialHair = F::LongBeard;
        look.wrinkles = true;
        return Make("ガンさん", "タルヴォの名人", look, Setting::Dojo, Gift::Scroll, {});
    }();
    return gan;
}

} // namespace roster
