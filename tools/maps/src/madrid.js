// Madrid map: municipalities of the region join the zone of their nearest seed
// town; Madrid city is split among its zones by the nearest district centre.

// Approximate centres (longitude, latitude) of the districts of Madrid city.
export const DISTRICT_CENTRES = {
  Centro: [-3.7075, 40.4155],
  Arganzuela: [-3.699, 40.397],
  Retiro: [-3.674, 40.41],
  Salamanca: [-3.674, 40.43],
  Chamartín: [-3.677, 40.459],
  Tetuán: [-3.702, 40.46],
  Chamberí: [-3.704, 40.436],
  'Fuencarral-El Pardo': [-3.75, 40.53],
  'Moncloa-Aravaca': [-3.765, 40.44],
  Latina: [-3.755, 40.395],
  Carabanchel: [-3.735, 40.375],
  Usera: [-3.707, 40.381],
  Villaverde: [-3.7, 40.345],
  Moratalaz: [-3.642, 40.407],
  Vicálvaro: [-3.585, 40.395],
  'San Blas-Canillejas': [-3.612, 40.434],
  'Ciudad Lineal': [-3.653, 40.447],
  Hortaleza: [-3.64, 40.478],
  Barajas: [-3.58, 40.472],
  'Puente de Vallecas': [-3.66, 40.39],
  'Villa de Vallecas': [-3.615, 40.36],
};

// Zone lines whose name is not a district or municipality name: their districts or towns.
export const ZONE_SEEDS = {
  Vallecas: ['Puente de Vallecas', 'Villa de Vallecas'],
  'S. Sebastián de los Reyes': ['San Sebastián de los Reyes'],
  'S. Lorenzo de El Escorial': ['San Lorenzo de El Escorial'],
  'S. Martín Valdeiglesias': ['San Martín de Valdeiglesias'],
  'Sierra Norte': ['Buitrago del Lozoya', 'Lozoya', 'Montejo de la Sierra', 'Torrelaguna', 'Rascafría'],
};

// Further seed towns of zones named after their main towns.
export const EXTRA_SEEDS = {
  'San Martín de Valdeiglesias': ['Cadalso de los Vidrios', 'Robledo de Chavela', 'Villa del Prado'],
  Navalcarnero: ['Brunete', 'Sevilla la Nueva'],
  'Arganda del Rey': ['Chinchón', 'Villarejo de Salvanés', 'Morata de Tajuña'],
  Aranjuez: ['Colmenar de Oreja', 'Ciempozuelos'],
  Parla: ['Pinto', 'Torrejón de la Calzada'],
  Fuenlabrada: ['Humanes de Madrid', 'Moraleja de Enmedio'],
  'Alcalá de Henares': ['Meco', 'Nuevo Baztán', 'Villalbilla'],
  'Torrejón de Ardoz': ['Paracuellos de Jarama', 'Ajalvir'],
  Alcobendas: ['Algete', 'Talamanca de Jarama'],
  'San Sebastián de los Reyes': ['El Molar', 'Fuente el Saz de Jarama'],
  'Colmenar Viejo': ['Soto del Real', 'Manzanares el Real', 'Guadalix de la Sierra'],
  Guadarrama: ['Cercedilla', 'Navacerrada', 'Los Molinos'],
  'San Lorenzo de El Escorial': ['El Escorial', 'Valdemorillo', 'Santa María de la Alameda'],
  'Collado Villalba': ['Moralzarzal', 'Becerril de la Sierra', 'Galapagar'],
  'Villaviciosa de Odón': ['Villanueva de la Cañada', 'Villanueva del Pardillo'],
};
