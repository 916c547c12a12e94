// picture_sheet.cpp -- draws every picture of the games onto one sheet, for looking at them side by side
//
// picture_sheet FILE.bmp, run where "g/KOMIKATA.TTF" is found for the pictures that carry numbers.
#include <SDL/SDL.h>

#include <vector>

#include "atlas.h"
#include "gametext.h"
#include "pictures.h"

int main(int argc, char **argv)
{
    if (argc < 2) return 2;
    SDL_Init(0);
    textOpen();
    std::vector<Pic> pics;
    for (int k = PicQuestion; k < PicKindCount; ++k) pics.push_back(Pic{static_cast<int16_t>(k), 0});
    for (int s = 0; s < 4; ++s) pics.push_back(Pic{PicTree, static_cast<int16_t>(s)});
    for (int v : {5, 10, 20, 50, 100}) pics.push_back(Pic{PicCoin, static_cast<int16_t>(v)});
    for (int s = 0; s < SignKindCount; ++s) pics.push_back(Pic{PicSign, static_cast<int16_t>(s)});
    for (int s = 0; s < ShopKindCount; ++s) pics.push_back(Pic{PicShop, static_cast<int16_t>(s)});
    for (int s = 0; s < 4; ++s) pics.push_back(Pic{PicBin, static_cast<int16_t>(s)});
    for (int s = 0; s < ShapeCount; ++s) pics.push_back(shapePic(s, s));
    for (int m : {0, 90, 210, 255, 345}) pics.push_back(Pic{PicClock, static_cast<int16_t>(m)});
    pics.push_back(Pic{PicApple, 1});
    pics.push_back(Pic{PicLight, 1});
    pics.push_back(Pic{PicLight, 2});
    pics.push_back(Pic{PicWalkLight, 1});
    pics.push_back(Pic{PicBasket, 5});
    pics.push_back(Pic{PicHouse, 9});
    pics.push_back(Pic{PicPine, 50});
    pics.push_back(Pic{PicArrow, 1});
    pics.push_back(Pic{PicArrow, 2});
    pics.push_back(Pic{PicBus, 12});
    for (int a : {1, 2}) pics.push_back(Pic{PicAction, static_cast<int16_t>(a)});
    for (int d : {3, 6}) pics.push_back(Pic{PicDay, static_cast<int16_t>(d)});
    for (int c : {ColGreen, ColBlue}) pics.push_back(Pic{PicSwatch, static_cast<int16_t>(c)});
    const int cols = 12, cell = 132;
    int rows = (static_cast<int>(pics.size()) + cols - 1) / cols;
    SDL_Surface *sheet = SDL_CreateRGBSurface(SDL_SWSURFACE, cols * cell, rows * cell, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    SDL_FillRect(sheet, nullptr, SDL_MapRGB(sheet->format, 255, 252, 240));
    for (size_t i = 0; i < pics.size(); ++i) {
        SDL_Surface *big = pictureRender(pics[i], 128);
        int sprite = atlasAdd(big, true);
        SDL_FreeSurface(big);
        (void)sprite;
    }
    atlasPack();
    for (size_t i = 0; i < pics.size(); ++i) {
        const AtlasSprite *s = atlasSprite(static_cast<int>(i));
        if (!s || s->page < 0) continue;
        SDL_Rect to{static_cast<Sint16>((i % cols) * cell + 2), static_cast<Sint16>((i / cols) * cell + 2), 0, 0};
        SDL_Rect from = s->rect;
        SDL_BlitSurface(atlasPageSurface(s->page), &from, sheet, &to);
    }
    SDL_SaveBMP(sheet, argv[1]);
    SDL_FreeSurface(sheet);
    atlasFree();
    textClose();
    SDL_Quit();
    return 0;
}
