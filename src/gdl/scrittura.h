#pragma once
// Shared pieces of the two statement writers.
#include "gdl/esportazione.h"

#include <cstddef>
#include <string>

namespace esportazione::scrittura {

// Generous sizes of a profile and of a path point line, for the reserve.
inline constexpr std::size_t kBytePuntoSagoma = 64;
inline constexpr std::size_t kBytePuntoPercorso = 96;

// Makes room at the front of the text for the head, which is known only when
// every point has been counted: as long as `testaAttesa`, the head the counts
// give when no point is left out. Reserves about what the points will take,
// so the text grows without copying.
void preparaTesto(Generatore& g, const std::string& testaAttesa, std::size_t byte);
// Puts the head in its room and closes the text with "DEL TOP". Only a head
// of another length than the room moves the points.
void chiudiTesto(Generatore& g, const std::string& testa);

// The most points a chain can hand over at resolution r.
std::size_t puntiMassimi(const Catena& catena, int r);

// The generator's element set to all zeros.
void azzeraElemento(Generatore& g);
// Loads row r of a chain into the generator's element in metres, scaled by
// s; a profile is flat, so its heights stay 0.
void caricaScalato(Generatore& g, const ElementRow& r, double s, bool conAltezze);

// The three rotation lines; the y line starts with yPrefisso.
void aggiungiRotazioni(Generatore& g, std::string& testa, const char* yPrefisso);

// The platform's yield, where the writers give the event loop its turn:
// after every inner point of a curve and after every element. The platform
// lets events through at most every few tens of milliseconds, and reading
// its clock costs more than writing a point, so only every 64th call asks.
void cedi();

} // namespace esportazione::scrittura
