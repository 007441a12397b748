#pragma once
// Text on the card: the click that prints the prepared text.
class Main;

// Prints the text prepared with "Plaats" at the pointer (x, y), horizontally or
// turned a quarter turn when "Tekst Vertikaal" is checked.
void placeTextAt(Main& main, double x, double y);
