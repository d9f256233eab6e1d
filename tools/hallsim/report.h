// The run's figures as a readable table, as CSV and as an SVG chart.
#pragma once
#include <cstdio>
#include <string>

#include "tools/hallsim/hall_sim.h"

// "day 1", "night 20": the shop and the number shown on the machine.
std::string machineName(int shop, int index);

// "2026-12-08 00:00:00"
std::string formatTime(const BrokenDownTime& t);

void writeTable(std::FILE* out, const SimResult& r);
void writeCsv(std::FILE* out, const SimResult& r);
std::string svgChart(const SimResult& r);
