// painters.h -- one painter per kind of picture: it draws the picture on the pen, read with the picture's parameter
#pragma once

#include "paint.h"

using Painter = void (*)(Pen &p, int param);

// The forest (forest_pictures.cpp).
void drawSquirrel(Pen &p, int param);
void drawHedgehog(Pen &p, int param);
void drawRabbit(Pen &p, int param);
void drawFox(Pen &p, int param);
void drawBear(Pen &p, int param);
void drawOwl(Pen &p, int param);
void drawBird(Pen &p, int param);
void drawBee(Pen &p, int param);
void drawFrog(Pen &p, int param);
void drawHollow(Pen &p, int param);
void drawNest(Pen &p, int param);
void drawBurrow(Pen &p, int param);
void drawCave(Pen &p, int param);
void drawHive(Pen &p, int param);
void drawPond(Pen &p, int param);
void drawAcorn(Pen &p, int param);
void drawCarrot(Pen &p, int param);
void drawHoney(Pen &p, int param);
void drawWorm(Pen &p, int param);
void drawFly(Pen &p, int param);
void drawMushroom(Pen &p, int param);
void drawApple(Pen &p, int param);
void drawFlower(Pen &p, int param);
void drawLeaf(Pen &p, int param);
void drawTree(Pen &p, int param);
void drawPine(Pen &p, int param);
void drawBasket(Pen &p, int param);
void drawShape(Pen &p, int param);
void drawLitter(Pen &p, int param);
void drawCampfire(Pen &p, int param);
void drawPickFlower(Pen &p, int param);
void drawBlaze(Pen &p, int param);
void drawDeed(Pen &p, int param);
void drawAnt(Pen &p, int param);
void drawAnthill(Pen &p, int param);
void drawSnail(Pen &p, int param);
void drawSpider(Pen &p, int param);
void drawLeafPile(Pen &p, int param);
void drawDeer(Pen &p, int param);
void drawGrass(Pen &p, int param);
void drawMouse(Pen &p, int param);
void drawWheat(Pen &p, int param);
void drawSnowman(Pen &p, int param);
void drawSnowdrop(Pen &p, int param);
void drawWatermelon(Pen &p, int param);
void drawGrapes(Pen &p, int param);
void drawEgg(Pen &p, int param);
void drawQuestion(Pen &p, int param);
void drawPlus(Pen &p, int param);

// The town (town_pictures.cpp).
void drawLight(Pen &p, int param);
void drawWalkLight(Pen &p, int param);
void drawCar(Pen &p, int param);
void drawBus(Pen &p, int param);
void drawFireTruck(Pen &p, int param);
void drawAmbulance(Pen &p, int param);
void drawPolice(Pen &p, int param);
void drawCoin(Pen &p, int param);
void drawClock(Pen &p, int param);
void drawHouse(Pen &p, int param);
void drawShop(Pen &p, int param);
void drawSign(Pen &p, int param);
void drawPaper(Pen &p, int param);
void drawBottle(Pen &p, int param);
void drawJar(Pen &p, int param);
void drawBin(Pen &p, int param);
void drawArrow(Pen &p, int param);
void drawZebra(Pen &p, int param);
void drawRoad(Pen &p, int param);
void drawHelmet(Pen &p, int param);
void drawBelt(Pen &p, int param);
void drawBread(Pen &p, int param);
void drawMedicine(Pen &p, int param);
void drawBall(Pen &p, int param);
void drawIceCream(Pen &p, int param);
void drawKifli(Pen &p, int param);
void drawBalloon(Pen &p, int param);
void drawBook(Pen &p, int param);
void drawSun(Pen &p, int param);
void drawMoon(Pen &p, int param);
void drawPhone(Pen &p, int param);
void drawSwatch(Pen &p, int param);
void drawAction(Pen &p, int param);
void drawSnowflake(Pen &p, int param);
void drawDay(Pen &p, int param);
void drawPurse(Pen &p, int param);
void drawWatch(Pen &p, int param);
void drawMagnifier(Pen &p, int param);
void drawPodium(Pen &p, int param);
void drawTower(Pen &p, int param);
