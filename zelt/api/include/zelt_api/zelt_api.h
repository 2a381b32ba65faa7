#pragma once
// Exported interface of the optics library zelt_api. Every function works on the one current
// optical system of the process. Status functions return 0 on success, otherwise the 1-based
// number of a message in the library's error list (read it with ZELT_Get_Error).
//
// Units: lengths in millimetres, wavelengths in micrometres, angles in radians (the _Grad
// functions return degrees). Node numbers: 0 the object, 1..N the surfaces, N + 1 the image; the
// thickness and glass of surface i belong to the gap after node i.

#include <string>
#include <vector>

#define ZELT_API __attribute__((visibility("default")))

// ---- Errors ------------------------------------------------------------------------------------

/// Throws std::runtime_error with the text of message `code` (cut to 255 bytes); 0 does nothing.
ZELT_API void ZELT_Throw_On_Error(int code);
/// Prints message `code` (cut to 255 bytes) to standard output and exits with code 1; 0 does
/// nothing.
ZELT_API void ZELT_Exit_On_Error(int code);
/// Copies message `code`, cut to 255 bytes and zero-terminated, into `buffer` (256 bytes);
/// leaves it untouched when no message has that number.
ZELT_API void ZELT_Get_Error(int code, char* buffer);
/// Throws std::runtime_error unless 0 <= number < node count of the current system.
ZELT_API void ZELT_Check_Surface_Number(int number);

// ---- System ------------------------------------------------------------------------------------

/// Replaces the system by a base system: one wavelength 0.55 µm, object, image, no surfaces.
ZELT_API int ZELT_System_Create_Base();
/// Appends a plane surface just before the image.
ZELT_API int ZELT_System_Append_Surface();
/// Removes surface `number` (1..N).
ZELT_API int ZELT_System_Delete_Surface(int number);
/// Writes the number of nodes, object and image included.
ZELT_API int ZELT_System_Get_Surface_Count(int* count);
/// Writes the axial length from the first to the last surface, plus S' for a finite image.
ZELT_API int ZELT_System_Get_Lenght_System(double* length);
/// Copies the system name out.
ZELT_API int ZELT_System_Get_Name(std::string& name);
/// Sets the system name.
ZELT_API int ZELT_System_Set_Name(const std::string& name);
/// Reads an AGF glass catalog; its name is the file name without ".agf".
ZELT_API int ZELT_System_Read_Catalog(const char* path);

// ---- Surface -----------------------------------------------------------------------------------

/// Writes the curvature (1/radius) of node `i`.
ZELT_API int ZELT_Surface_Get_Curvature(int i, double* c);
/// Sets the curvature of node `i`.
ZELT_API int ZELT_Surface_Set_Curvature(int i, double c);
/// Writes the conic term e² of node `i`.
ZELT_API int ZELT_Surface_Get_Conic(int i, double* e2);
/// Sets the conic term e² of node `i`.
ZELT_API int ZELT_Surface_Set_Conic(int i, double e2);
/// Writes the thickness after node `i` (object and surfaces).
ZELT_API int ZELT_Surface_Get_Thickness(int i, double* d);
/// Sets the thickness after node `i` (object and surfaces).
ZELT_API int ZELT_Surface_Set_Thickness(int i, double d);
/// Writes the semi-height of node `i`.
ZELT_API int ZELT_Surface_Get_Height(int i, double& h);
/// Sets the semi-height of node `i`.
ZELT_API int ZELT_Surface_Set_Height(int i, double h);
/// Writes whether surface `i` (1..N) reflects.
ZELT_API int ZELT_Surface_Is_Mirror(int i, bool* mirror);
/// Gives node `i` an elliptic outline; its semi-height becomes the larger semi-axis.
ZELT_API int ZELT_Surface_Create_Ellipse(int i, double cx, double cy, double a, double b,
                                         double angle);
/// Copies out the name of the medium after node `i`.
ZELT_API int ZELT_Surface_Get_Glass(int i, std::string& name);
/// Fills the gap after node `i` with glass `glass` of the catalog named `catalog`.
ZELT_API int ZELT_Surface_Set_Glass(int i, const std::string& glass, const std::string& catalog);
/// Fills the gap after node `i` with a new medium of the given indices (one per wavelength).
ZELT_API int ZELT_Surface_Set_And_Create_Glass(int i, const std::string& name,
                                               std::vector<double> indices);
/// Gives the medium made by ZELT_Surface_Set_And_Create_Glass after node `i` the nd and νd of its
/// glass, which a lens file names so that a program without the glass can model it.
ZELT_API int ZELT_Surface_Set_Glass_Nd_Vd(int i, double nd, double vd);
/// Writes the index after node `i` at wavelength number `w`, negative after a reflection.
ZELT_API int ZELT_Surface_Get_Ingex_Of_Refraction(int i, int w, double* n);

// ---- Object ------------------------------------------------------------------------------------

ZELT_API int ZELT_Object_Get_Type(bool* finite);
ZELT_API int ZELT_Object_Set_Type(bool finite);
ZELT_API int ZELT_Object_Get_S(double* s);
ZELT_API int ZELT_Object_Set_S(double s);
/// Object size: a length when finite, the field angle in radians at infinity.
ZELT_API int ZELT_Object_Get_Size(double* size);
ZELT_API int ZELT_Object_Set_Size(double size);
/// Writes the field angle in degrees (0 for a finite object).
ZELT_API int ZELT_Object_Get_Size_Grad(double* degrees);
ZELT_API int ZELT_Object_Get_Curvature(double& c);
ZELT_API int ZELT_Object_Set_Curvature(double c);

// ---- Image -------------------------------------------------------------------------------------

ZELT_API int ZELT_Image_Get_Type(bool* finite);
ZELT_API int ZELT_Image_Set_Type(bool finite);
ZELT_API int ZELT_Image_Get_S_(double* s);
ZELT_API int ZELT_Image_Set_S_(double s);
ZELT_API int ZELT_Image_Get_Size(double* size);
ZELT_API int ZELT_Image_Set_Size(double size);
/// Writes the image field angle in degrees (0 for a finite image).
ZELT_API int ZELT_Image_Get_Size_Grad(double* degrees);
/// Takes its flag by value and so cannot return it: reports success and changes nothing.
ZELT_API int ZELT_Image_Get_Distance_Type(bool fromParaxial);
/// True: S' is counted from the paraxial image; false: from the last surface.
ZELT_API int ZELT_Image_Set_Distance_Type(bool fromParaxial);
ZELT_API int ZELT_Image_Get_Curvature(double& c);
ZELT_API int ZELT_Image_Set_Curvature(double c);

// ---- Stop --------------------------------------------------------------------------------------

/// Sets size and type ('d', 'p' or 'z') of the stop made by ZELT_Stop_Set_Surface_Num.
ZELT_API int ZELT_Stop_Set(double size, char type);
ZELT_API int ZELT_Stop_Get_Size(double* size);
ZELT_API int ZELT_Stop_Get_Type(char* type);
/// Puts the aperture stop on node `n`, creating it (type 'd', size 0) when there is none.
ZELT_API int ZELT_Stop_Set_Surface_Num(int n);
/// Writes the number of the node that carries the stop.
ZELT_API int ZELT_Stop_Get_Surface_Num(int* n);

// ---- Source ------------------------------------------------------------------------------------

ZELT_API int ZELT_Source_Append_Wave(double lambda, double weight);
ZELT_API int ZELT_Source_Clear();
ZELT_API int ZELT_Source_Get_Wavelength_Count(int* count);
/// Resizes the wavelength and weight lists; new entries are 0.
ZELT_API int ZELT_Source_Set_Wavelength_Count(int count);
ZELT_API int ZELT_Source_Get_Wavelength(int i, double* lambda);
ZELT_API int ZELT_Source_Set_Wavelength(int i, double lambda);

// ---- Zone --------------------------------------------------------------------------------------

ZELT_API int ZELT_Zone_Get_Count(int& count);
/// Resizes the zone list: new places get default zones, dropped zones are released.
ZELT_API int ZELT_Zone_Set_Count(int count);
ZELT_API int ZELT_Zone_Get_Real_Coord(int i, double& x, double& y);
ZELT_API int ZELT_Zone_Set_Real_Coord(int i, double x, double y);
ZELT_API int ZELT_Zone_Get_Relative_Coord(int i, double& x, double& y);
ZELT_API int ZELT_Zone_Set_Relative_Coord(int i, double x, double y);
ZELT_API int ZELT_Zone_Get_Shift(int i, double& x, double& y, double& z);
ZELT_API int ZELT_Zone_Set_Shift(int i, double& x, double& y, double& z);
/// Writes the upper and lower vignetting coefficients.
ZELT_API int ZELT_Zone_Get_Vign(int i, double& upper, double& lower);
/// Sets the upper and lower vignetting coefficients.
ZELT_API int ZELT_Zone_Set_Vign(int i, double upper, double lower);

// ---- Paraxial ----------------------------------------------------------------------------------

/// Computes the paraxial characteristics of the current system; needs an aperture stop. Run it
/// after every change of the system and before ray traces.
ZELT_API int ZELT_Calc_Paraxial();
/// Front and back focal lengths.
ZELT_API int ZELT_Paraxial_Get_F(double* f);
ZELT_API int ZELT_Paraxial_Get_F_(double* f);
/// Front focal point from the first surface, back focal point from the last surface.
ZELT_API int ZELT_Paraxial_Get_SF(double* s);
ZELT_API int ZELT_Paraxial_Get_SF_(double* s);
/// Front principal point from the first surface, back principal point from the last surface.
ZELT_API int ZELT_Paraxial_Get_SH(double* s);
ZELT_API int ZELT_Paraxial_Get_SH_(double* s);
/// Object and image distances used by the calculation; the first argument is not used.
ZELT_API int ZELT_Paraxial_Get_S(int unused, double* s);
ZELT_API int ZELT_Paraxial_Get_S_(int unused, double* s);
/// Entrance pupil, exit pupil, Gaussian image position and magnification at wavelength `w`.
ZELT_API int ZELT_Paraxial_Get_SP(int w, double* sp);
ZELT_API int ZELT_Paraxial_Get_SP_(int w, double* sp);
ZELT_API int ZELT_Paraxial_Get_SG(int w, double* sg);
ZELT_API int ZELT_Paraxial_Get_V(int w, double* v);
/// Writes the paraxial report of the last calculation into file `path`.
ZELT_API int ZELT_Write_Paraxial(const char* path);

// ---- Ray trace ---------------------------------------------------------------------------------

/// Traces one ray from relative field (fieldX unused, fieldY) through relative pupil point
/// (pupilX, pupilY) at wavelength `w`; writes the final ray (on the image plane for a finite
/// image), its optical path, and an error code (0 none, 1 missed a surface, 2 total reflection,
/// 3 sharp edge) with the surface number. A ray error returns 0 and leaves the ray outputs alone.
ZELT_API int ZELT_Ray_Trace(double fieldX, double fieldY, double pupilX, double pupilY, int w,
                            double* x, double* y, double* z, double* X, double* Y, double* Z,
                            double* L, int* errorCode, int* errorSurface);
/// As ZELT_Ray_Trace, writing every ray: entry 0 the start ray, k the ray after surface k, N + 1
/// the final ray (arrays of N + 2). Converts a stop of type 'd' to type 'p' first.
ZELT_API int ZELT_Ray_Trace_Path(double fieldX, double fieldY, double pupilX, double pupilY, int w,
                                 double x[], double y[], double z[], double X[], double Y[],
                                 double Z[], double* L, int* errorCode, int* errorSurface);
/// For a stop surface in air: its distance from the previous surface, or minus its distance to
/// the next one when it stands in front of the system. Otherwise `sd` is left unchanged.
ZELT_API int ZELT_Stop_Get_SD(double& sd);

// ---- Aberration --------------------------------------------------------------------------------

/// Computes real-ray aberration tables of the current system over five field points (0 the axis,
/// 4 the full field), the wavelengths up to the first longest one and nine meridional pupil
/// points. Needs a paraxial calculation for the current wavelengths, a stop and an image at a
/// finite distance. A ray that fails anywhere ends it with the ray's message.
ZELT_API int ZELT_Calc_Aberration();
/// Copies the longitudinal aberration on the axis at wavelength `w`: nine values, element 0 the
/// upper pupil rim, 4 the pupil centre, 8 the lower rim.
ZELT_API int ZELT_Aberration_Get_Longitudinale_Aberration(int w, std::vector<double>& out);
/// Copies the transverse aberration at wavelength `w` and field point `field` (0..4), measured
/// from the main wavelength's chief ray: nine values in the pupil order above.
ZELT_API int ZELT_Aberration_Get_Transverse_Aberration(int w, int field, std::vector<double>& out);
/// Copies the wave aberration, in waves of the main wavelength, at wavelength `w` and field point
/// `field`: nine values in the pupil order above, 0 at the pupil centre.
ZELT_API int ZELT_Aberration_Get_Wave_Aberration(int w, int field, std::vector<double>& out);

// ---- Quality -----------------------------------------------------------------------------------

/// Computes the image quality of the current system on the plane its image node states: for
/// each relative field of `fields`, the spot of a hexapolar pupil of 127 rays at every source
/// wavelength and its RMS radius about the common centroid, and the RMS wavefront error on the
/// axis at the main wavelength. Needs a paraxial calculation for the current wavelengths, a stop
/// and an image at a finite distance. A lost ray makes its field's RMS NaN.
ZELT_API int ZELT_Quality_Calc(const std::vector<double>& fields);
/// Writes the RMS spot radius [mm] of field number `field` of the last quality calculation.
ZELT_API int ZELT_Quality_Get_Spot_Rms(int field, double* rms);
/// Copies the image-plane points [mm] of field `field` at wavelength `w` (NaN for a lost ray).
ZELT_API int ZELT_Quality_Get_Spot_Points(int field, int w, std::vector<double>& x,
                                          std::vector<double>& y);
/// Writes the RMS wavefront error on the axis [waves] and the Strehl ratio exp(−(2π·rms)²).
ZELT_API int ZELT_Quality_Get_Wavefront(double* rms, double* strehl);
/// Writes the distance of the image plane behind the last surface [mm] of the last calculation.
ZELT_API int ZELT_Quality_Get_Image_Distance(double* distance);
/// Computes the diffraction MTF of the current system for each relative field of `fields`, from
/// the pupil function on a square grid of `samples` cells a side (at least 8) by FFT; the
/// object must be at infinity.
ZELT_API int ZELT_Quality_Calc_Mtf(const std::vector<double>& fields, int samples);
/// Copies the frequencies [cycles/mm, 0 to D/(λ0·f′)] and the tangential and sagittal MTF of
/// field `field` at wavelength `w`; w equal to the number of wavelengths gives the
/// polychromatic curves.
ZELT_API int ZELT_Quality_Get_Mtf(int field, int w, std::vector<double>& frequency,
                                  std::vector<double>& tangential, std::vector<double>& sagittal);

// ---- Refine ------------------------------------------------------------------------------------

/// Refines the current system by real rays: varies the curvatures of surfaces 1…N−1 and the
/// image distance, holds the paraxial focal length with the curvature of surface N, and
/// minimises M = rms_axis² + fieldWeight·rms_field² [mm²] (every source wavelength equally
/// weighted) by Levenberg–Marquardt. The image distance is then counted from the last surface.
/// Writes M before and after; a failure leaves the system as it was.
ZELT_API int ZELT_Refine_Run(double fieldWeight, double* meritStart, double* merit);

// ---- Files -------------------------------------------------------------------------------------

/// Writes the current system as a Zemax ZMX lens file at `file`, naming its glasses for the glass
/// catalog `catalog` (any letter case; GOST names are translated for "ZELT", "GOST" and "LZOS").
/// The file is written completely even when a part of the system cannot be expressed in the
/// format; such a warning is then returned as the status.
ZELT_API int ZELT_System_Write_Zmx_File(const char* file, const char* catalog);
/// Replaces the current system by the system of the ZMX lens file `file`; its glasses are looked
/// up in the catalogs of its GCAT line, which must have been read with ZELT_System_Read_Catalog.
/// A file that cannot be read leaves the current system as it was.
ZELT_API int ZELT_System_Read_Zmx_File(const char* file);
/// Replaces the current system by the system of the OPJ project file `file`. A file that cannot
/// be read, or holds what the library does not support, leaves the current system as it was.
ZELT_API int ZELT_System_Read_Opj_File(const char* file);
/// Writes the current system as an OPJ project file at `file` (its zones are sorted first).
ZELT_API int ZELT_System_Write_Opj_File(const char* file);
/// Reads the OPJ file `file` and writes the system as ZMX for `catalog` beside it, under the
/// same name with the extension ".zmx"; returns the status of the first step that fails.
ZELT_API int ZELT_System_Convert_Opj_to_Zmx_File(const char* file, const char* catalog);
/// Reads the ZMX file `file` and writes the system as OPJ beside it, under the same name with
/// the extension ".opj"; returns the status of the first step that fails.
ZELT_API int ZELT_System_Convert_Zmx_to_Opj_File(const char* file);
/// Writes a readable description of the current system (data, aperture, zones, lens table).
ZELT_API int ZELT_System_Write_Txt_File(const char* file);
/// Runs the paraxial calculation and writes the current system as an OSM file at `file`.
ZELT_API int ZELT_System_Write_Osm_File(const char* file);
/// Always fails with "Чтение OSM пока не работает": OSM files are not read.
ZELT_API int ZELT_System_Read_Osm_File(const char* file);
